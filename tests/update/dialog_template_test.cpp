// The progress dialog's template as compiled into update.exe, read back byte by byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialog_resource.h"

namespace update {
namespace {

// A bounded reader over a DLGTEMPLATE; reading past the end fails the test instead of the process.
class TemplateReader {
public:
    TemplateReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint16_t Word() {
        if (offset_ + 2 > size_) {
            ADD_FAILURE() << "template ends early";
            offset_ = size_;
            return 0;
        }
        uint16_t value = static_cast<uint16_t>(data_[offset_] | (data_[offset_ + 1] << 8));
        offset_ += 2;
        return value;
    }
    uint32_t Dword() {
        uint32_t low = Word();
        return low | (static_cast<uint32_t>(Word()) << 16);
    }
    // A name or ordinal: ordinals read as "#<number>".
    std::wstring NameOrOrdinal() {
        uint16_t first = Word();
        if (first == 0xFFFF) return L"#" + std::to_wstring(Word());
        std::wstring text;
        for (uint16_t c = first; c != 0 && offset_ < size_; c = Word()) text += static_cast<wchar_t>(c);
        return text;
    }
    void AlignToDword() { offset_ = (offset_ + 3) & ~size_t{3}; }
    bool AtEnd() const { return offset_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

struct Item {
    uint32_t style;
    int16_t x, y, width, height;
    int16_t id;
    std::wstring className;
    std::wstring text;
};

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\') + 1) + "update.exe";
}

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(::towupper(c));
    return text;
}

TEST(DialogTemplateTest, IsTheJapaneseTemplate101AsDesigned) {
    HMODULE program = ::LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    HRSRC found = ::FindResourceExA(program, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(UPDATE_DIALOG),
                                    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    ASSERT_NE(found, nullptr);
    const auto* bytes = static_cast<const uint8_t*>(::LockResource(::LoadResource(program, found)));
    TemplateReader reader(bytes, ::SizeofResource(program, found));

    EXPECT_EQ(reader.Dword(), 0x90C00AC4u);  // no system menu among them
    EXPECT_EQ(reader.Dword(), 0u);
    const uint16_t count = reader.Word();
    EXPECT_EQ(count, 5);
    EXPECT_EQ(reader.Word(), 0);  // x
    EXPECT_EQ(reader.Word(), 0);  // y
    EXPECT_EQ(reader.Word(), 187);
    EXPECT_EQ(reader.Word(), 93);
    EXPECT_EQ(reader.NameOrOrdinal(), L"");  // menu
    EXPECT_EQ(reader.NameOrOrdinal(), L"");  // class
    EXPECT_EQ(reader.NameOrOrdinal(), L"update");
    EXPECT_EQ(reader.Word(), 9);
    EXPECT_EQ(reader.NameOrOrdinal(), L"ＭＳ Ｐゴシック");

    std::vector<Item> items;
    for (uint16_t i = 0; i < count && !reader.AtEnd(); ++i) {
        reader.AlignToDword();
        Item item{};
        item.style = reader.Dword();
        EXPECT_EQ(reader.Dword(), 0u);
        item.x = static_cast<int16_t>(reader.Word());
        item.y = static_cast<int16_t>(reader.Word());
        item.width = static_cast<int16_t>(reader.Word());
        item.height = static_cast<int16_t>(reader.Word());
        item.id = static_cast<int16_t>(reader.Word());
        item.className = reader.NameOrOrdinal();
        item.text = reader.NameOrOrdinal();
        EXPECT_EQ(reader.Word(), 0);  // no creation data
        items.push_back(item);
    }
    ASSERT_EQ(items.size(), 5u);
    auto expect = [&](size_t index, uint32_t style, int x, int y, int width, int height, int id,
                      const std::wstring& className, const std::wstring& text) {
        const Item& item = items[index];
        EXPECT_EQ(item.style, style) << index;
        EXPECT_EQ((std::vector<int>{item.x, item.y, item.width, item.height, item.id}),
                  (std::vector<int>{x, y, width, height, id}))
            << index;
        // Class names compare without case, as the system registers and finds them.
        EXPECT_EQ(Upper(item.className), Upper(className)) << index;
        EXPECT_EQ(item.text, text) << index;
    };
    const uint32_t child = WS_CHILD | WS_VISIBLE;
    expect(0, child | WS_BORDER, 7, 72, 173, 14, 1002, L"msctls_progress32", L"Progress1");
    expect(1, child | WS_GROUP | SS_LEFT, 7, 7, 26, 8, -1, L"#130", L"コピー元");
    expect(2, child | WS_GROUP | SS_LEFT, 7, 39, 26, 8, -1, L"#130", L"コピー先");
    const uint32_t edit = child | WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;
    expect(3, edit, 7, 17, 173, 14, 1000, L"#129", L"");
    expect(4, edit, 7, 49, 173, 14, 1001, L"#129", L"");
    ::FreeLibrary(program);
}

}  // namespace
}  // namespace update
