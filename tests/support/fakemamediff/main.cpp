// fakemamediff: our stand-in for the outside MAMEDiff tool, installed as the MAME folder's
// "mamediff". Like the tool it is given the old and the new listing (after an optional switch)
// and writes its report to mamediff.log in its current folder. What it writes comes from the
// environment, which the test prepares:
//
//   ZELVANE_FAKEMAMEDIFF_SCRIPT  a file whose bytes become mamediff.log; unset: no log is written
//   ZELVANE_FAKEMAMEDIFF_OUT     when set, its value is written to mamediff.out
//   ZELVANE_FAKEMAMEDIFF_RUNS    a file that every run appends to: its current folder, then each
//                                argument, one a line, then an empty line
//
// A listing it is given that cannot be read ends it with status 1 before it writes anything.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool readAll(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool writeAll(const std::string& path, const std::string& bytes, std::ios::openmode mode = std::ios::trunc)
{
    std::ofstream out(path, std::ios::binary | mode);
    out << bytes;
    return bool(out.flush());
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const char* runs = std::getenv("ZELVANE_FAKEMAMEDIFF_RUNS")) {
        std::string record = std::filesystem::current_path().string() + "\n";
        for (const std::string& arg : args)
            record += arg + "\n";
        if (!writeAll(runs, record + "\n", std::ios::app))
            return 2;
    }

    std::vector<std::string> listings;
    for (const std::string& arg : args)
        if (arg != "-s" && arg != "-n")
            listings.push_back(arg);
    std::string unused;
    if (listings.size() != 2 || !readAll(listings[0], unused) || !readAll(listings[1], unused)) {
        std::fprintf(stderr, "mamediff: two readable listings expected\n");
        return 1;
    }

    if (const char* script = std::getenv("ZELVANE_FAKEMAMEDIFF_SCRIPT")) {
        std::string log;
        if (!readAll(script, log) || !writeAll("mamediff.log", log))
            return 2;
    }
    if (const char* out = std::getenv("ZELVANE_FAKEMAMEDIFF_OUT")) {
        if (!writeAll("mamediff.out", out))
            return 2;
    }
    return 0;
}
