#pragma once
// Extension blocks: plain text, graphic control, comment and application
// extensions, and the class descriptions the registries hold.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gif/GIFItem.h"

namespace gif {

class TGIFSubImage;
class TGIFExtension;

// What the registries know of an extension class: how to make one (the
// virtual constructor) and how to refine the choice by looking further
// into the stream.
struct TGIFExtensionClass {
    const char* Name;
    std::unique_ptr<TGIFExtension> (*Create)(TGIFSubImage& frame);
    // Called with the stream after the label; returns the class to use
    // instead (itself when there is nothing to refine, null for none). The
    // caller restores the stream position.
    const TGIFExtensionClass* (*RefineExtensionClass)(Stream& stream);
};

class TGIFExtension : public TGIFItem {
public:
    explicit TGIFExtension(TGIFSubImage& frame);
    TGIFSubImage& Frame() const { return *frame_; }
    TGIFVersion RequiredVersion() const override { return TGIFVersion::GIF89a; }
    virtual uint8_t ExtensionLabel() const = 0;
    // Reads the introducer and the label, then the extension's own fields.
    void LoadFromStream(Stream& stream) override;

protected:
    virtual void LoadBody(Stream& stream) = 0;

private:
    TGIFSubImage* frame_;
};

// Text carried in data sub-blocks, one line per sub-block.
using TGIFTextLines = std::vector<std::string>;
void ReadTextLines(Stream& stream, TGIFTextLines& lines);

class TGIFTextExtension final : public TGIFExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFExtension::TGIFExtension;
    uint8_t ExtensionLabel() const override { return 0x01; }
    const char* ClassName() const override { return "TGIFTextExtension"; }

    // Block size, text grid left, top, width, height (16-bit each), cell
    // width, cell height, foreground and background colour index.
    std::array<uint8_t, 13> Fields{};
    TGIFTextLines Lines;

protected:
    void LoadBody(Stream& stream) override;
};

class TGIFGraphicControlExtension final : public TGIFExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFExtension::TGIFExtension;
    uint8_t ExtensionLabel() const override { return 0xF9; }
    const char* ClassName() const override { return "TGIFGraphicControlExtension"; }

    bool Transparent() const { return (PackedFields & 0x01) != 0; }
    bool UserInput() const { return (PackedFields & 0x02) != 0; }
    int Disposal() const { return (PackedFields >> 2) & 0x07; }

    uint8_t BlockSize = 0;
    uint8_t PackedFields = 0;
    uint16_t DelayTime = 0;
    uint8_t TransparentColorIndex = 0;
    uint8_t Terminator = 0;

protected:
    void LoadBody(Stream& stream) override;
};

class TGIFCommentExtension final : public TGIFExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFExtension::TGIFExtension;
    uint8_t ExtensionLabel() const override { return 0xFE; }
    const char* ClassName() const override { return "TGIFCommentExtension"; }

    TGIFTextLines Lines;

protected:
    void LoadBody(Stream& stream) override;
};

// One data sub-block held as it was read.
struct TGIFBlock {
    std::vector<uint8_t> Data;
};

// An application extension. The general kind, used for a block size it
// does not know, keeps the data sub-blocks as raw blocks.
class TGIFApplicationExtension : public TGIFExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFExtension::TGIFExtension;
    uint8_t ExtensionLabel() const override { return 0xFF; }
    const char* ClassName() const override { return "TGIFApplicationExtension"; }

    uint8_t BlockSize = 0;
    // 8 bytes of identifier, 3 of authentication code.
    std::array<uint8_t, 11> Identifier{};
    std::vector<TGIFBlock> Blocks;

protected:
    void LoadBody(Stream& stream) override;
    // Reads the data sub-blocks after the identifier.
    virtual void LoadData(Stream& stream);
};

// "NETSCAPE2.0" and "ANIMEXTS1.0": loop count and buffer size.
class TGIFAppExtNSLoop final : public TGIFApplicationExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFApplicationExtension::TGIFApplicationExtension;
    const char* ClassName() const override { return "TGIFAppExtNSLoop"; }

    uint16_t LoopCount = 0;
    uint32_t BufferSize = 0;

protected:
    void LoadData(Stream& stream) override;
};

// Any other application: the data sub-blocks are kept as raw blocks.
class TGIFUnknownAppExtension final : public TGIFApplicationExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFApplicationExtension::TGIFApplicationExtension;
    const char* ClassName() const override { return "TGIFUnknownAppExtension"; }
};

}  // namespace gif
