#include <cstring>

#include "demo/assets/cg_link_file.h"
#include "demo/assets/cg_pictures.h"
#include "demo/base/show_message.h"

void ReportDamagedPicture(int32_t index) { ShowMessage("ＣＧ【 %d 】のデータが壊れています", index); }

bool CgLinkFile::LoadCg(int32_t index, SurfaceRef& holder) {
    const CgPictureBytes picture = Entry(index);
    if (picture.data == nullptr) {
        ShowMessage("ＣＧ【 %d 】はありません", index);
        return false;
    }
    // The surface is built aside and handed over only when it is complete, so a failed load
    // leaves the holder's picture in place.
    SurfaceRef made;
    bool loaded = false;
    if (picture.size >= 2 && std::memcmp(picture.data, "PM", 2) == 0) {
        loaded = DecodePmsPicture(picture, index, made);
    } else if (picture.size >= 2 && std::memcmp(picture.data, "BM", 2) == 0) {
        loaded = DecodeBmpPicture(picture, index, made);
    } else {
        // The message names the detected format, which can only be "none" here.
        ShowMessage("無効なＣＧフォーマット【 %d 】です", 0);
    }
    if (!loaded) return false;
    holder.Reset(made.Get());
    made.Clear();
    return true;
}
