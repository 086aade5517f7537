#include "copy_files.h"

#include <algorithm>

#include "file_replacement.h"
#include "install_name.h"
#include "platform/file_copy.h"
#include "platform/multibyte.h"

namespace update {
namespace {

// The progress bar's range is 16 bits wide; a longer list ends with the bar full.
constexpr uint32_t kMaxProgressRange = 0xFFFF;

// The copy is the game's file now and must stay writable for the next update.
void TakeSourceAttributes(const std::string& source, const std::string& destination) {
    uint32_t attributes = 0;
    if (!platform::ReadFileAttributes(source.c_str(), &attributes)) attributes = platform::attributes::kNormal;
    attributes &= ~platform::attributes::kReadOnly;
    platform::WriteFileAttributes(destination.c_str(), attributes != 0 ? attributes : platform::attributes::kNormal);
}

}  // namespace

bool CopyUpdateFiles(const UpdatePlan& plan, UpdateView& view) {
    const auto count = static_cast<uint32_t>(plan.updateFiles.size());
    view.SetProgressRange(std::min(count, kMaxProgressRange));
    view.SetProgressPosition(0);
    for (uint32_t i = 0; i < count; ++i) {
        const std::string& name = plan.updateFiles[i];
        const std::string source = plan.sourceFolder + name;
        const std::string destination = plan.installFolder + name;
        view.SetProgressPosition(i + 1);
        view.SetSourceText(source);
        view.SetDestinationText(destination);
        if (!StaysInsideInstallFolder(plan.installFolder, name, platform::IsLeadByte) ||
            !ReplaceWithCopy(source, destination)) {
            view.ShowMessage(source + "から\n" + destination + "へのコピーに失敗しました", kFileErrorCaption,
                             kBoxIconError);
            return false;
        }
        TakeSourceAttributes(source, destination);
    }
    std::string report = "アップデート完了\n以下のファイルが更新されました\n";
    for (const std::string& name : plan.updateFiles) report += name + "\n";
    view.ShowMessage(report, kProgramCaption, kBoxOk);
    return true;
}

}  // namespace update
