#include "MenuTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "CommandIds.h"

namespace qb {
namespace {

// The menu names of a path; only a "/" after ")" separates two names, since a
// name may hold "/" itself ("表示オン/オフ(&G)").
std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> names;
    std::string name;
    for (char c : path) {
        if (c == '/' && !name.empty() && name.back() == ')') {
            names.push_back(name);
            name.clear();
        } else {
            name += c;
        }
    }
    names.push_back(name);
    return names;
}

// The letter after "&", upper-cased; 0 when the label has none.
char Mnemonic(const std::string& label) {
    const auto at = label.find('&');
    if (at == std::string::npos || at + 1 >= label.size())
        return 0;
    const char c = label[at + 1];
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Every menu level (the bar is "") with the labels of its items and sub-menus.
std::map<std::string, std::vector<std::string>> LabelsByMenu() {
    std::map<std::string, std::vector<std::string>> menus;
    std::set<std::string> seen;
    for (const CommandInfo& info : MenuTable::Items()) {
        std::string parent;
        for (const std::string& name : SplitPath(info.menu)) {
            const std::string key = parent.empty() ? name : parent + "/" + name;
            if (seen.insert(key).second)
                menus[parent].push_back(name);
            parent = key;
        }
        if (info.id != 0)
            menus[parent].push_back(info.label);
    }
    return menus;
}

TEST(MenuTableTest, EveryCommandAppearsOnceAndCanBeFound) {
    std::set<int> ids;
    for (const CommandInfo& info : MenuTable::Items()) {
        if (info.id == 0)
            continue;
        EXPECT_TRUE(ids.insert(info.id).second) << info.id;
        EXPECT_EQ(MenuTable::Find(info.id), &info);
    }
    EXPECT_EQ(MenuTable::Find(0), nullptr);
    EXPECT_EQ(MenuTable::Find(12345), nullptr);
}

TEST(MenuTableTest, NoTwoItemsShareAShortcut) {
    std::set<std::string> keys;
    for (const CommandInfo& info : MenuTable::Items()) {
        if (*info.shortcut != '\0') {
            EXPECT_TRUE(keys.insert(info.shortcut).second) << info.shortcut;
        }
    }
}

// Within one menu every mnemonic is unique, except where the labels the user
// knows from elsewhere already share a letter.
TEST(MenuTableTest, MnemonicsDoNotClashWithinAMenu) {
    const std::set<std::pair<std::string, char>> allowed = {
        {"編集(&E)", 'L'},   {"表示(&V)", 'O'},
        {"表示(&V)", 'S'},   {"表示(&V)/非表示のオブジェクトを再表示(&S)", 'A'},
        {"ツール(&T)", 'S'},
    };
    std::set<std::pair<std::string, char>> clashes;
    for (const auto& [menu, labels] : LabelsByMenu()) {
        std::map<char, int> uses;
        for (const std::string& label : labels) {
            const char letter = Mnemonic(label);
            if (letter != 0 && ++uses[letter] == 2)
                clashes.insert({menu, letter});
        }
    }
    EXPECT_EQ(clashes, allowed);
}

}  // namespace
}  // namespace qb
