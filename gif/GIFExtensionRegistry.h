#pragma once
// The two registries that map what a stream says to extension classes.
#include <array>
#include <cstdint>
#include <vector>

#include "gif/GIFExtensions.h"

namespace gif {

// Key -> class. Lookups scan from the most recent entry back.
template <class Key>
class TExtensionRegistry {
public:
    const TGIFExtensionClass* Find(const Key& key) const
    {
        for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
            if (entry->Match == key)
                return entry->Class;
        return nullptr;
    }

protected:
    void Add(const Key& key, const TGIFExtensionClass& extensionClass)
    {
        entries_.push_back({key, &extensionClass});
    }

private:
    struct Entry {
        Key Match;
        const TGIFExtensionClass* Class;
    };
    std::vector<Entry> entries_;
};

// Extension label -> class.
class TExtensionList final : public TExtensionRegistry<uint8_t> {
public:
    static const TExtensionList& Instance();
    void Register(uint8_t label, const TGIFExtensionClass& extensionClass) { Add(label, extensionClass); }
};

// Application identifier and authentication code (11 bytes) -> class.
class TAppExtensionList final : public TExtensionRegistry<std::array<uint8_t, 11>> {
public:
    static const TAppExtensionList& Instance();
    void Register(const char (&identifier)[12], const TGIFExtensionClass& extensionClass);
};

// With the stream just after an extension introducer: the class to read
// the extension with, or null. The stream position is kept.
const TGIFExtensionClass* LookUpExtensionClass(Stream& stream);

}  // namespace gif
