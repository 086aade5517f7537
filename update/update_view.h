#pragma once

#include <cstdint>
#include <string>

namespace update {

// Message box styles the updater uses (the Windows values).
inline constexpr unsigned kBoxOk = 0x00000000;
inline constexpr unsigned kBoxIconError = 0x00000010;

inline constexpr char kFileErrorCaption[] = "ファイルエラー";
inline constexpr char kRegistryErrorCaption[] = "レジストリエラー";
inline constexpr char kProgramCaption[] = "update.exe";

// Where the update shows what it does: the progress dialog and message boxes in the program, a
// recorder in tests.
class UpdateView {
public:
    // The bar runs from 0 to count files.
    virtual void SetProgressRange(uint32_t count) = 0;
    virtual void SetProgressPosition(uint32_t position) = 0;
    virtual void SetSourceText(const std::string& text) = 0;
    virtual void SetDestinationText(const std::string& text) = 0;
    // Blocks until the user has read it; no owner window.
    virtual void ShowMessage(const std::string& text, const char* caption, unsigned style) = 0;

protected:
    ~UpdateView() = default;
};

}  // namespace update
