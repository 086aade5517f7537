#include "control_file.h"

#include <cstring>

#include "platform/byte_reader.h"
#include "platform/file.h"
#include "platform/file_name.h"
#include "platform/multibyte.h"
#include "platform/registry.h"

namespace update {
namespace {

// A control file lists a handful of names; anything this large is not one, and refusing it keeps
// a stray huge file from exhausting memory.
constexpr uint32_t kMaxControlFileSize = 16u << 20;

const char kReadFailed[] = "\nの読み込みに失敗しました";

bool StartsWith(const std::string& text, std::string_view start) { return text.compare(0, start.size(), start) == 0; }

// The whole file, or false when it cannot be opened or not every byte arrived.
bool ReadWholeFile(const std::string& name, std::string* bytes) {
    platform::ReadFile file;
    uint32_t size = 0;
    if (!file.Open(platform::NativeFileName(name).c_str()) || !file.Size(&size) || size > kMaxControlFileSize) {
        return false;
    }
    bytes->assign(size, '\0');
    uint32_t got = 0;
    return file.Read(bytes->data(), size, &got) && got == size;
}

}  // namespace

std::vector<std::string> SplitControlLines(std::string_view bytes, LeadByteTest isLeadByte) {
    platform::ByteReader reader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    std::vector<std::string> lines;
    std::string line;
    while (reader.Remaining() > 0) {
        const uint8_t c = reader.U8();
        if (isLeadByte(c)) {
            // A lead byte takes its trail byte along, whatever it is, so that a trail equal to
            // a carriage return never ends the line; a lead byte at the very end stands alone.
            line += static_cast<char>(c);
            if (reader.Remaining() > 0) line += static_cast<char>(reader.U8());
        } else if (c == '\r') {
            // The byte after a carriage return (the line feed) is skipped unseen.
            lines.push_back(std::move(line));
            line.clear();
            reader.Skip(1);
        } else {
            line += static_cast<char>(c);
        }
    }
    return lines;
}

void ApplyControlLines(const std::vector<std::string>& lines, UpdatePlan& plan) {
    for (const std::string& line : lines) {
        if (StartsWith(line, "file=")) {
            plan.updateFiles.push_back(line.substr(5));
        } else if (StartsWith(line, "reg=")) {
            plan.registryKeyPath += line.substr(4);
        }
    }
}

bool ReadControlFile(UpdatePlan& plan, UpdateView& view) {
    plan.registryKeyPath = kRegistryKeyRoot;
    plan.installFolder.clear();
    plan.updateFiles.clear();

    const std::string controlFile = plan.sourceFolder + kControlFileName;
    std::string bytes;
    if (!ReadWholeFile(controlFile, &bytes)) {
        view.ShowMessage(controlFile + kReadFailed, kFileErrorCaption, kBoxIconError);
        return false;
    }
    ApplyControlLines(SplitControlLines(bytes, platform::IsLeadByte), plan);

    platform::UserRegistryKey key;
    if (!key.Open(plan.registryKeyPath.c_str())) {
        view.ShowMessage("HKEY_CURRENT_USER\\" + plan.registryKeyPath + kReadFailed, kRegistryErrorCaption,
                         kBoxIconError);
        return false;
    }
    // A value that does not fit leaves the buffer cleared; the last byte always stays a NUL.
    char buffer[kInstallFolderBufferSize] = {};
    key.QueryDefaultValue(buffer, sizeof buffer);
    key.Close();
    plan.installFolder.assign(buffer, ::strnlen(buffer, sizeof buffer - 1));
    return true;
}

}  // namespace update
