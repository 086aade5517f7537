// JSON through the library: every character an escape names, no text that is not UTF-8 in or
// out, and the manifests earlier versions wrote still read.
#include "tools/assets/json_text.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/test_files.h"
#include "tools/assets/folder_manifest.h"

namespace {

using assetkit::Json;

TEST(JsonText, ReadsEveryCharacterAndRefusesWhatIsNotText) {
    const struct {
        const char* what;
        const char* text;
        const char* value;   // the string read, or null when refused
        const char* reason;  // words the refusal holds
    } cases[] = {
        {"an escaped surrogate pair", R"(["\ud83d\ude00"])", "\xF0\x9F\x98\x80", nullptr},
        {"a character in UTF-8", "[\"\xE5\x86\x99\"]", "\xE5\x86\x99", nullptr},
        {"a lone high surrogate", R"(["\ud83d"])", nullptr, "surrogate"},
        {"a lone low surrogate", R"(["\ude00x"])", nullptr, "surrogate"},
        {"a byte no character starts with", "[\"\xFF\"]", nullptr, "UTF-8"},
        {"a character cut short", "[\"\xE5\x86\"]", nullptr, "UTF-8"},
        {"an overlong slash", "[\"\xC0\xAF\"]", nullptr, "UTF-8"},
        {"a text cut short", "[\"a\"", nullptr, "line 1, column 5"},
    };
    for (const auto& c : cases) {
        Json value;
        std::string error;
        const bool read = assetkit::ParseJson(c.text, &value, &error);
        if (c.value == nullptr) {
            EXPECT_FALSE(read) << c.what;
            EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
            for (const char byte : error) EXPECT_GE(static_cast<signed char>(byte), 0) << c.what << ": " << error;
            continue;
        }
        ASSERT_TRUE(read) << c.what << ": " << error;
        EXPECT_EQ(value[0], c.value) << c.what;
        std::string text;
        ASSERT_TRUE(assetkit::FormatJson(value, &text, &error)) << c.what << ": " << error;
        Json again;
        ASSERT_TRUE(assetkit::ParseJson(text, &again, &error)) << c.what << ": " << error;
        EXPECT_EQ(again, value) << c.what << ": written as " << text;
    }
    std::string text, error;
    EXPECT_FALSE(assetkit::FormatJson(Json{{"file", "name\xFF.zpx"}}, &text, &error));
    EXPECT_NE(error.find("UTF-8"), std::string::npos) << error;
}

// A folder's original named in its manifest: as earlier versions laid the manifest out, by an
// escaped name, and refused where the manifest is no text.
TEST(FolderManifest, FindsTheOriginalTheManifestNames) {
    ScopedWorkFolder work;
    std::ofstream("original.zpx") << "abc";
    const auto manifest = [](const std::string& original) {
        return "{\n  \"kind\": \"prelo-assets archive folder\",\n  \"original\": \"" + original +
               "\",\n  \"original_size\": 3,\n  \"original_crc32\": \"352441c2\",\n  \"entries\": [\n"
               "    {\"index\": 0, \"file\": \"cg_000.png\", \"format\": \"pms8\", \"width\": 1, \"height\": 1, "
               "\"offset\": 8, \"size\": 3}\n  ]\n}\n";
    };
    const struct {
        const char* what;
        std::string text;
        const char* reason;  // null where the original is found
    } cases[] = {
        {"one entry a line", manifest("original.zpx"), nullptr},
        {"an escaped name", manifest("\\u006friginal.zpx"), nullptr},
        {"a name that is not UTF-8", manifest("original\xFF.zpx"), "not a manifest (parse error"},
        {"a name outside the folder", manifest("../original.zpx"), "does not name the original"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFile("manifest.json", c.text));
        std::vector<uint8_t> original;
        std::string error;
        const bool found = assetkit::ReadFolderOriginal(".", assetkit::kArchiveFolderKind, &original, &error);
        EXPECT_EQ(found, c.reason == nullptr) << c.what << ": " << error;
        if (found && c.reason == nullptr) {
            EXPECT_EQ(original, (std::vector<uint8_t>{'a', 'b', 'c'})) << c.what;
        }
        if (!found && c.reason != nullptr) {
            EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
        }
    }
}

}  // namespace
