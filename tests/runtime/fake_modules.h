#pragma once

// What the test modules named "Graph" and "Layerforge" record and how they answer. Each module
// exports a control function returning its state.
struct FakeGraphState {
    bool refuseInterface = false;
    bool initializeResult = true;
    int createCalls = 0;
    int initializeCalls = 0;
    int attachCalls = 0;
    void* attachedContext = nullptr;
    int fillRectCalls = 0;
};

struct FakeLayerforgeState {
    bool refuseInterface = false;
    int createCalls = 0;
};

using FakeGraphControlFn = FakeGraphState* (*)();
using FakeLayerforgeControlFn = FakeLayerforgeState* (*)();
