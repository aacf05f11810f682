#pragma once

#include <QString>

#include <array>

// The four glyph font families the program carries as resources. At
// activation each family the system does not have is registered for this
// process alone (PrivateFonts); at close exactly those registrations are
// released.
class FontRegistry {
public:
    struct Entry {
        bool registered = false;  // this run registered the family (or tried to)
        int handle = 0;           // the registration; 0 when it was refused
    };

    static constexpr int kFamilyCount = 4;
    static const std::array<const char*, kFamilyCount>& Families();

    FontRegistry() = default;
    FontRegistry(const FontRegistry&) = delete;
    FontRegistry& operator=(const FontRegistry&) = delete;
    ~FontRegistry();

    // Registers every family missing from the installed families, in order;
    // a missing resource throws and leaves the remaining families alone.
    void registerMissingFamilies();
    // Reads the font resource of that name and registers it; index 1..4.
    bool LoadFontResource(const QString& name, int index);
    // Releases every registration this run made.
    void releaseRegistrations();

    const std::array<Entry, kFamilyCount>& entries() const { return entries_; }

private:
    std::array<Entry, kFamilyCount> entries_;
};
