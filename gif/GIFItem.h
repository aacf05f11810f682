#pragma once
// The common ground of everything a GIF stream is read into: the sender
// type of warnings, the stream item base and the owning item list.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace gif {

class Stream;
class TGIFImage;

// The bytes that open the blocks of a stream.
inline constexpr uint8_t kExtensionIntroducer = 0x21;
inline constexpr uint8_t kImageSeparator = 0x2C;
inline constexpr uint8_t kTrailer = 0x3B;

enum class TGIFSeverity { Information, Warning, Error };
enum class TGIFVersion { Unknown, GIF87a, GIF89a };

// Anything that can send a warning.
class TGIFObject {
public:
    virtual ~TGIFObject() = default;
    virtual const char* ClassName() const = 0;
};

// Somewhere for the bitmap output to keep what it built for an image or a
// frame. Reading only ever drops it.
class TGIFRenderCache {
public:
    virtual ~TGIFRenderCache() = default;
};

// Base of every stream item; knows the image that owns it.
class TGIFItem : public TGIFObject {
public:
    explicit TGIFItem(TGIFImage* image) : image_(image) { }
    TGIFItem(const TGIFItem&) = delete;
    TGIFItem& operator=(const TGIFItem&) = delete;

    TGIFImage* Image() const { return image_; }
    // The GIF version the item needs when written.
    virtual TGIFVersion RequiredVersion() const { return TGIFVersion::GIF87a; }
    // Passes the warning to the image, with this item as the sender.
    virtual void ReportWarning(TGIFSeverity severity, const std::string& message) const;
    virtual void LoadFromStream(Stream& stream) = 0;

private:
    TGIFImage* image_;
};

// An ordered list of owned items; deleting an item frees it.
template <class Item>
class TGIFList : public TGIFObject {
public:
    explicit TGIFList(TGIFImage* image) : image_(image) { }
    TGIFList(const TGIFList&) = delete;
    TGIFList& operator=(const TGIFList&) = delete;

    TGIFImage* Image() const { return image_; }
    size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    Item& operator[](size_t index) const { return *items_[index]; }
    Item* First() const { return items_.empty() ? nullptr : items_.front().get(); }
    Item& Add(std::unique_ptr<Item> item)
    {
        items_.push_back(std::move(item));
        return *items_.back();
    }
    void Delete(size_t index) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index)); }
    void Clear() { items_.clear(); }

    virtual void ReportWarning(TGIFSeverity severity, const std::string& message) const;
    virtual void LoadFromStream(Stream& stream) = 0;

private:
    TGIFImage* image_;
    std::vector<std::unique_ptr<Item>> items_;
};

// Sends a warning on behalf of sender to image (which may be null).
void ReportWarningTo(const TGIFImage* image, const TGIFObject& sender, TGIFSeverity severity,
                     const std::string& message);

template <class Item>
void TGIFList<Item>::ReportWarning(TGIFSeverity severity, const std::string& message) const
{
    ReportWarningTo(image_, *this, severity, message);
}

}  // namespace gif
