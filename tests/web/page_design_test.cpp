#include "web/page_design.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>

namespace lumorix {
namespace {

const std::filesystem::path pageSources = LUMORIX_PAGE_SOURCES;

std::string contents(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

bool isWord(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The object keys of a JSON document: words in quotes before a colon.
std::set<std::string> keysOf(const std::string& json) {
    std::set<std::string> keys;
    for (std::size_t end = json.find("\":"); end != std::string::npos;
         end = json.find("\":", end + 1)) {
        const std::size_t begin = json.rfind('"', end - 1) + 1;
        const std::string key = json.substr(begin, end - begin);
        if (!key.empty() && std::all_of(key.begin(), key.end(), isWord))
            keys.insert(key);
    }
    return keys;
}

// Whether the script reads a property of that name.
bool readsProperty(const std::string& script, const std::string& name) {
    const std::string access = "." + name;
    for (std::size_t at = script.find(access); at != std::string::npos;
         at = script.find(access, at + 1)) {
        const std::size_t after = at + access.size();
        if (after == script.size() || !isWord(script[after]))
            return true;
    }
    return false;
}

// A key that nothing reads misleads whoever changes the design or the page: the page's script
// reads every key of the design it is given, and the page's maker every key of the look.
TEST(PageDesign, ThePageReadsEveryKeyItIsGiven) {
    std::string scripts;
    for (const auto& entry : std::filesystem::directory_iterator(pageSources / "page")) {
        if (entry.path().extension() == ".js")
            scripts += contents(entry.path());
    }
    ASSERT_FALSE(scripts.empty());
    for (const std::string& key : keysOf(pageDesignJson()))
        EXPECT_TRUE(readsProperty(scripts, key)) << "no script reads " << key;
    const std::string maker = contents(pageSources / "make_page.py");
    ASSERT_FALSE(maker.empty());
    for (const std::string& key : keysOf(pageStyleJson()))
        EXPECT_NE(maker.find("[\"" + key + "\"]"), std::string::npos)
            << "make_page.py lacks " << key;
}

} // namespace
} // namespace lumorix
