#pragma once

#include <gtest/gtest.h>

#include <string>

#include "asset_test_support.h"
#include "demo/assets/cg_link_file.h"
#include "demo/base/bound_modules.h"
#include "demo/base/surface_ref.h"
#include "guarded_surfaces.h"

// Loads pictures through a real archive file and the fake surface factory.
class CgLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        CurrentLayerforge() = &factory;
        platform::SetMessageEcho(false);
        platform::ClearRecordedMessages();
    }
    void TearDown() override {
        holder.Release();
        archive.Close();
        CurrentLayerforge() = nullptr;
        std::remove(fileName.c_str());
        EXPECT_EQ(0, factory.liveSurfaces) << "a surface leaked or was released twice";
    }

    bool OpenArchive(const Bytes& bytes) {
        WriteBytes(fileName, bytes);
        return archive.Open(fileName.c_str());
    }
    // Loads picture index of an archive holding the pictures.
    bool LoadFrom(const std::vector<Bytes>& pictures, int32_t index) {
        if (!OpenArchive(Archive(pictures))) return false;
        return archive.LoadCg(index, holder);
    }
    bool Load(const Bytes& picture) { return LoadFrom({picture}, 0); }
    HeapSurface& Surface() { return *static_cast<HeapSurface*>(holder.Get()); }

    HeapLayerforge factory{kGuardedLayout};
    CgLinkFile archive;
    SurfaceRef holder;
    std::string fileName =
        std::string("cg_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".zpx";
};
