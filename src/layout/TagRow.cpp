#include "layout/TagRow.h"

#include "layout/PooledStorage.h"

namespace duolinear {

namespace {

// A heap row's block: the text ends, then the text bytes.
std::size_t blockBytes(std::size_t texts, std::size_t bytes) {
    return texts * sizeof(std::uint32_t) + bytes;
}

}  // namespace

void TagRow::regrow(size_type texts, size_type bytes) {
    texts = std::max<size_type>(texts, kInlineTexts);
    bytes = std::max<size_type>(bytes, kInlineBytes);
    if (texts > max_size() || bytes > max_size()) throw std::length_error("TagRow too long");
    auto* block = static_cast<char*>(pooled_storage::allocate(blockBytes(texts, bytes)));
    auto* ends = reinterpret_cast<std::uint32_t*>(block);
    char* text = block + texts * sizeof(std::uint32_t);
    std::memcpy(ends, ends_, size_ * sizeof(std::uint32_t));
    std::memcpy(text, bytes_, byteCount_);
    freeHeap();
    ends_ = ends;
    bytes_ = text;
    textCapacity_ = static_cast<std::uint32_t>(texts);
    byteCapacity_ = static_cast<std::uint32_t>(bytes);
}

void TagRow::freeHeap() noexcept {
    if (!isInline()) pooled_storage::deallocate(ends_, blockBytes(textCapacity_, byteCapacity_));
}

void TagRow::appendGrowing(std::string_view text) {
    const std::string held(text);  // text may lie in this row
    const size_type texts = size_ == textCapacity_ ? 2 * static_cast<size_type>(textCapacity_) : textCapacity_;
    const size_type needed = byteCount_ + held.size();
    const size_type bytes =
        needed > byteCapacity_ ? std::max<size_type>(needed, 2 * static_cast<size_type>(byteCapacity_)) : byteCapacity_;
    regrow(texts, bytes);
    emplace_text(held);
}

void TagRow::set(size_type i, std::string_view text) {
    if (holds(text)) {
        const std::string held(text);  // the bytes move as the row changes
        set(i, held);
        return;
    }
    const std::uint32_t start = i == 0 ? 0 : ends_[i - 1];
    const std::uint32_t end = ends_[i];
    const size_type count = byteCount_ - (end - start) + text.size();
    if (count > byteCapacity_)
        regrow(textCapacity_, std::max<size_type>(count, 2 * static_cast<size_type>(byteCapacity_)));
    std::memmove(bytes_ + start + text.size(), bytes_ + end, byteCount_ - end);
    std::memcpy(bytes_ + start, text.data(), text.size());
    const std::int64_t shift = static_cast<std::int64_t>(text.size()) - static_cast<std::int64_t>(end - start);
    for (size_type k = i; k < size_; ++k) ends_[k] = static_cast<std::uint32_t>(ends_[k] + shift);
    byteCount_ = static_cast<std::uint32_t>(count);
}

TagRow::const_iterator TagRow::erase(const_iterator first, const_iterator last) {
    const size_type from = first.index();
    const size_type to = last.index();
    if (from < to) {
        const std::uint32_t start = from == 0 ? 0 : ends_[from - 1];
        const std::uint32_t stop = ends_[to - 1];
        std::memmove(bytes_ + start, bytes_ + stop, byteCount_ - stop);
        for (size_type k = to; k < size_; ++k) ends_[k - (to - from)] = ends_[k] - (stop - start);
        size_ -= static_cast<std::uint32_t>(to - from);
        byteCount_ -= stop - start;
    }
    return const_iterator(this, from);
}

TagRow::const_iterator TagRow::insertAll(size_type at, TagRow added) {
    TagRow tail(begin() + static_cast<difference_type>(at), end());
    truncate(at);
    reserve(size_ + added.size_ + tail.size_);
    for (std::string_view text : added) emplace_text(text);
    for (std::string_view text : tail) emplace_text(text);
    return const_iterator(this, at);
}

}  // namespace duolinear
