#include "tz/tzif_data.h"

namespace horavia {
namespace {

constexpr std::size_t kHeaderBytes = 44;

// A cursor over the file's bytes that refuses to read past the end.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool Has(std::size_t n) const { return n <= bytes_.size() - at_; }
    std::size_t Position() const { return at_; }
    void Skip(std::size_t n) { at_ += n; }

    std::uint64_t Unsigned(std::size_t width) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            value = (value << 8) | static_cast<unsigned char>(bytes_[at_ + i]);
        }
        at_ += width;
        return value;
    }
    std::int64_t Signed(std::size_t width) {
        const std::uint64_t raw = Unsigned(width);
        if (width == 8) return static_cast<std::int64_t>(raw);
        const std::uint64_t sign = std::uint64_t{1} << (width * 8 - 1);
        return static_cast<std::int64_t>(raw ^ sign) - static_cast<std::int64_t>(sign);
    }
    std::string_view Rest() const { return bytes_.substr(at_); }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

struct Header {
    char version = 0;
    std::uint64_t isUtcCount = 0;
    std::uint64_t isStdCount = 0;
    std::uint64_t leapCount = 0;
    std::uint64_t timeCount = 0;
    std::uint64_t typeCount = 0;
    std::uint64_t charCount = 0;

    // The size of the data block that follows, for times of the given width.
    std::uint64_t DataBytes(std::size_t timeWidth) const {
        return timeCount * timeWidth + timeCount + typeCount * 6 + charCount +
               leapCount * (timeWidth + 4) + isStdCount + isUtcCount;
    }
};

std::optional<Header> ReadHeader(Reader& in) {
    if (!in.Has(kHeaderBytes)) return std::nullopt;
    const std::string_view magic = in.Rest().substr(0, 4);
    if (magic != "TZif") return std::nullopt;
    Header h;
    h.version = in.Rest()[4];
    in.Skip(20);
    h.isUtcCount = in.Unsigned(4);
    h.isStdCount = in.Unsigned(4);
    h.leapCount = in.Unsigned(4);
    h.timeCount = in.Unsigned(4);
    h.typeCount = in.Unsigned(4);
    h.charCount = in.Unsigned(4);
    // Counts are 32-bit, so these sums cannot overflow 64 bits.
    if (h.typeCount == 0 || h.typeCount > 256) return std::nullopt;
    return h;
}

std::optional<TzifData> ReadBlock(Reader& in, const Header& h, std::size_t timeWidth) {
    if (!in.Has(static_cast<std::size_t>(h.DataBytes(timeWidth)))) return std::nullopt;
    TzifData data;
    data.times.reserve(static_cast<std::size_t>(h.timeCount));
    for (std::uint64_t i = 0; i < h.timeCount; ++i) {
        const std::int64_t t = in.Signed(timeWidth);
        if (!data.times.empty() && t <= data.times.back()) return std::nullopt;
        data.times.push_back(t);
    }
    for (std::uint64_t i = 0; i < h.timeCount; ++i) {
        const auto type = static_cast<std::uint8_t>(in.Unsigned(1));
        if (type >= h.typeCount) return std::nullopt;
        data.typeOf.push_back(type);
    }
    std::vector<std::size_t> abbreviationAt;
    for (std::uint64_t i = 0; i < h.typeCount; ++i) {
        TzifTimeType type;
        type.utcOffset = static_cast<std::int32_t>(in.Signed(4));
        type.isDst = in.Unsigned(1) != 0;
        abbreviationAt.push_back(static_cast<std::size_t>(in.Unsigned(1)));
        // RFC 8536 bounds offsets to less than a day either way.
        if (type.utcOffset <= -86400 || type.utcOffset >= 86400) return std::nullopt;
        data.types.push_back(type);
    }
    // Each abbreviation runs from its index to the next NUL within the block.
    const std::string_view chars = in.Rest().substr(0, static_cast<std::size_t>(h.charCount));
    for (std::size_t i = 0; i < data.types.size(); ++i) {
        if (abbreviationAt[i] >= chars.size()) continue;
        const std::string_view from = chars.substr(abbreviationAt[i]);
        data.types[i].abbreviation = std::string(from.substr(0, from.find('\0')));
    }
    in.Skip(static_cast<std::size_t>(h.charCount + h.leapCount * (timeWidth + 4) + h.isStdCount +
                                     h.isUtcCount));
    return data;
}

}  // namespace

std::optional<TzifData> ParseTzif(std::string_view bytes) {
    Reader in(bytes);
    const auto first = ReadHeader(in);
    if (!first) return std::nullopt;
    if (first->version == '\0') return ReadBlock(in, *first, 4);

    // Version 2 and later: skip the 32-bit block, then read the 64-bit one and the footer.
    if (!in.Has(static_cast<std::size_t>(first->DataBytes(4)))) return std::nullopt;
    in.Skip(static_cast<std::size_t>(first->DataBytes(4)));
    const auto second = ReadHeader(in);
    if (!second) return std::nullopt;
    auto data = ReadBlock(in, *second, 8);
    if (!data) return std::nullopt;
    const std::string_view rest = in.Rest();
    if (rest.size() >= 2 && rest.front() == '\n') {
        const std::size_t end = rest.find('\n', 1);
        if (end != std::string_view::npos) data->footer = std::string(rest.substr(1, end - 1));
    }
    return data;
}

}  // namespace horavia
