// Type codes of the render objects and the change record broadcast between them.
#pragma once

#include <cstdint>

enum class BlockType : std::int32_t {
    ColorTable = 1,
    Context = 2,
    Mesh = 5,
    MeshComposite = 7,
    ColorBar = 8,
};

enum class ObjectEventCode : std::int32_t {
    Destroyed = 1,
    Created = 2,
    Changed = 3,
};

class CBlockObject;

struct ObjectEvent {
    ObjectEventCode Code = ObjectEventCode::Changed;
    BlockType Type = BlockType::ColorTable;
    CBlockObject* Sender = nullptr;
};
