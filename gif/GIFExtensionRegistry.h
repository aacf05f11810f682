#pragma once
// The two registries that map what a stream says to extension classes.
#include <array>
#include <cstdint>
#include <vector>

#include "gif/GIFExtensions.h"

namespace gif {

// Extension label -> class. Lookups scan from the most recent entry back.
class TExtensionList {
public:
    static const TExtensionList& Instance();
    void Register(uint8_t label, const TGIFExtensionClass& extensionClass);
    const TGIFExtensionClass* Find(uint8_t label) const;

private:
    struct Entry {
        uint8_t Label;
        const TGIFExtensionClass* Class;
    };
    std::vector<Entry> entries_;
};

// Application identifier and authentication code (11 bytes) -> class.
class TAppExtensionList {
public:
    static const TAppExtensionList& Instance();
    void Register(const char (&identifier)[12], const TGIFExtensionClass& extensionClass);
    const TGIFExtensionClass* Find(const std::array<uint8_t, 11>& identifier) const;

private:
    struct Entry {
        std::array<uint8_t, 11> Identifier;
        const TGIFExtensionClass* Class;
    };
    std::vector<Entry> entries_;
};

// With the stream just after an extension introducer: the class to read
// the extension with, or null. The stream position is kept.
const TGIFExtensionClass* LookUpExtensionClass(Stream& stream);

}  // namespace gif
