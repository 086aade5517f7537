#include "source_folder.h"

#include "platform/command_line.h"
#include "platform/multibyte.h"

namespace update {
namespace {

std::string ProgramPath(std::string_view commandLine, LeadByteTest isLeadByte) {
    const bool quoted = !commandLine.empty() && commandLine.front() == '"';
    if (quoted) commandLine.remove_prefix(1);
    std::string path;
    for (size_t i = 0; i < commandLine.size();) {
        const char c = commandLine[i];
        if (isLeadByte(static_cast<uint8_t>(c))) {
            // A lead byte as the last byte has no partner to take.
            path.append(commandLine.substr(i, 2));
            i += 2;
            continue;
        }
        if (quoted ? c == '"' : (c == ' ' || c == '\t')) break;
        path += c;
        ++i;
    }
    return path;
}

}  // namespace

std::string SourceFolderFromCommandLine(std::string_view commandLine, LeadByteTest isLeadByte) {
    std::string path = ProgramPath(commandLine, isLeadByte);
    size_t cut = 0;
    for (size_t i = 0; i < path.size();) {
        if (isLeadByte(static_cast<uint8_t>(path[i]))) {
            i += 2;
        } else {
            if (path[i] == '\\') cut = i + 1;
            ++i;
        }
    }
    path.resize(cut);
    return path;
}

void FindSourceFolder(UpdatePlan& plan) {
    plan.sourceFolder = SourceFolderFromCommandLine(platform::ProcessCommandLine(), platform::IsLeadByte);
}

}  // namespace update
