// The folder's listing and look-ups are walked through the ROM folder in the loader's tests; here
// the texts that must open nothing.
#include "platform/OpenFolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

TEST(OpenFolder, NothingOpensForAnEmptyMissingOrFileText)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("a.zip"), "PK");
    for (const QString& text : {QString(), dir.filePath("missing"), dir.filePath("a.zip")}) {
        OpenFolder folder(text);
        EXPECT_FALSE(folder.isOpen()) << text.toStdString();
        bool called = false;
        static constexpr const char* kZip[] = {".zip"};
        EXPECT_FALSE(folder.listFiles(kZip, [&called](QByteArrayView) { called = true; }));
        EXPECT_FALSE(called);
        EXPECT_FALSE(folder.isFile("a.zip"));
    }
}
