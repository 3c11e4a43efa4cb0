// A game's text from MAME's listing as the screen shows it.
#include "platform/ListingText.h"

#include <gtest/gtest.h>

TEST(ListingText, TheFiveEntitiesShowAsTheirCharactersInOnePass)
{
    const struct {
        const char* written;
        const char* shown;
    } cases[] = {
        {"&lt;K&gt; &amp; &quot;B&quot; It&apos;s", "<K> & \"B\" It's"},
        // What an entity stands for is not read again.
        {"AT&amp;amp;T &amp;lt;", "AT&amp;T &lt;"},
        // Anything else stays as written.
        {"&&amp &AMP; &copy; &#38; &", "&&amp &AMP; &copy; &#38; &"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShownListingText(QString::fromLatin1(c.written)), QString::fromLatin1(c.shown)) << c.written;
}
