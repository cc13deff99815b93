#pragma once
// One row of a layout record: a short list of texts, the first naming what the
// row is ("join", "message_color", ...). It reads like a list of texts (size,
// indexing, iteration, comparison), each text a std::string_view into the
// row, and changes through push_back, set, insert, erase and resize.
//
// The texts stand back to back in one buffer, the end of each recorded apart.
// The rows the builders write hold two to five short texts, so a row keeps up
// to kInlineTexts texts of kInlineBytes bytes in all inside itself and goes to
// the heap only beyond that: making a row is a few copies of bytes, copying
// one two block copies, and dropping one frees nothing. A view read from a row
// stays valid until that row is changed, moved or dropped. Moving a row leaves
// the source empty.

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace duolinear {

namespace tag_row_detail {

// Whether InputIt walks something readable as texts (and is no count).
template <typename InputIt>
constexpr bool isTextIterator() {
    if constexpr (std::is_integral_v<InputIt>) {
        return false;
    } else if constexpr (requires { typename std::iterator_traits<InputIt>::reference; }) {
        return std::is_convertible_v<typename std::iterator_traits<InputIt>::reference, std::string_view>;
    } else {
        return false;
    }
}

// Copies the first and the last sizeof(Word) bytes of n, which together
// cover all n when n is at most twice that.
template <typename Word>
void copyEnds(char* to, const char* from, std::size_t n) noexcept {
    Word head;
    Word tail;
    std::memcpy(&head, from, sizeof(Word));
    std::memcpy(&tail, from + n - sizeof(Word), sizeof(Word));
    std::memcpy(to, &head, sizeof(Word));
    std::memcpy(to + n - sizeof(Word), &tail, sizeof(Word));
}

// Copies n bytes that do not overlap. Row texts are mostly a few bytes long,
// so short ones are copied with two overlapping moves of a fixed width
// instead of a call.
inline void copyBytes(char* to, const char* from, std::size_t n) noexcept {
    if (n > 16) {
        std::memcpy(to, from, n);
    } else if (n >= 8) {
        copyEnds<std::uint64_t>(to, from, n);
    } else if (n >= 4) {
        copyEnds<std::uint32_t>(to, from, n);
    } else if (n > 0) {
        to[0] = from[0];
        to[n - 1] = from[n - 1];
        to[n / 2] = from[n / 2];
    }
}

}  // namespace tag_row_detail

class TagRow {
public:
    using value_type = std::string_view;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = std::string_view;
    using const_reference = std::string_view;

    // Walks the texts in order, reading each as a view.
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const TagRow* row, size_type index) : row_(row), index_(index) {}

        const std::string_view operator*() const { return (*row_)[index_]; }
        std::string_view operator[](difference_type n) const { return (*row_)[index_ + n]; }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++index_;
            return before;
        }
        const_iterator& operator--() {
            --index_;
            return *this;
        }
        const_iterator operator--(int) {
            const_iterator before = *this;
            --index_;
            return before;
        }
        const_iterator& operator+=(difference_type n) {
            index_ += n;
            return *this;
        }
        const_iterator& operator-=(difference_type n) {
            index_ -= n;
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.index_ == b.index_; }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.index_ <=> b.index_; }

        size_type index() const { return index_; }

    private:
        const TagRow* row_ = nullptr;
        size_type index_ = 0;
    };
    using iterator = const_iterator;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;
    using reverse_iterator = const_reverse_iterator;

    static constexpr size_type kInlineTexts = 6;
    static constexpr size_type kInlineBytes = 48;

    TagRow() noexcept {}
    explicit TagRow(size_type count) { resize(count); }
    TagRow(size_type count, std::string_view text) { resize(count, text); }
    TagRow(std::initializer_list<std::string_view> texts) : TagRow(texts.begin(), texts.end()) {}
    template <typename InputIt, typename = std::enable_if_t<tag_row_detail::isTextIterator<InputIt>()>>
    TagRow(InputIt first, InputIt last) {
        for (; first != last; ++first) push_back(std::string_view(*first));
    }
    // A key, N bytes known at compile time, followed by one text: the shape
    // of most rows the layout writers make.
    template <std::size_t N>
    TagRow(const char (&key)[N], std::string_view text) {
        emplace_fixed<N - 1>(key);
        emplace_text(text);
    }

    TagRow(const TagRow& other) { copyFrom(other); }
    TagRow(TagRow&& other) noexcept { takeFrom(other); }
    TagRow& operator=(const TagRow& other) {
        if (this != &other) {
            clear();
            if (other.size_ > textCapacity_ || other.byteCount_ > byteCapacity_) {
                release();
                copyFrom(other);
            } else {
                copyTexts(other);
            }
        }
        return *this;
    }
    TagRow& operator=(TagRow&& other) noexcept {
        if (this != &other) {
            release();
            takeFrom(other);
        }
        return *this;
    }
    TagRow& operator=(std::initializer_list<std::string_view> texts) {
        assign(texts.begin(), texts.end());
        return *this;
    }
    ~TagRow() { freeHeap(); }

    // Replaces the texts with those of [first, last), which may lie in this row.
    template <typename InputIt>
    void assign(InputIt first, InputIt last) {
        TagRow made(first, last);
        *this = std::move(made);
    }

    size_type size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    size_type capacity() const noexcept { return textCapacity_; }
    size_type max_size() const noexcept { return UINT32_MAX; }

    // A const view, so that an assignment to it (a write meant for the row,
    // which goes through set) does not compile.
    const std::string_view operator[](size_type i) const noexcept {
        const std::uint32_t start = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(bytes_ + start, ends_[i] - start);
    }
    const std::string_view at(size_type i) const {
        if (i >= size_) throw std::out_of_range("TagRow index");
        return (*this)[i];
    }
    const std::string_view front() const noexcept { return (*this)[0]; }
    const std::string_view back() const noexcept { return (*this)[size_ - 1]; }

    const_iterator begin() const noexcept { return const_iterator(this, 0); }
    const_iterator end() const noexcept { return const_iterator(this, size_); }
    const_iterator cbegin() const noexcept { return begin(); }
    const_iterator cend() const noexcept { return end(); }
    const_reverse_iterator rbegin() const noexcept { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const noexcept { return const_reverse_iterator(begin()); }

    // Room for `texts` texts without growing.
    void reserve(size_type texts) {
        if (texts > max_size()) throw std::length_error("TagRow too long");
        if (texts > textCapacity_) regrow(texts, byteCapacity_);
    }

    // Appends a copy of text, which may lie in this row.
    void push_back(std::string_view text) { emplace_text(text); }
    void emplace_back(std::string_view text) { emplace_text(text); }
    void emplace_text(std::string_view text) {
        if (size_ == textCapacity_ || text.size() > byteCapacity_ - byteCount_) [[unlikely]] {
            appendGrowing(text);
            return;
        }
        tag_row_detail::copyBytes(bytes_ + byteCount_, text.data(), text.size());
        byteCount_ += static_cast<std::uint32_t>(text.size());
        ends_[size_++] = byteCount_;
    }
    // Appends the N bytes at text, N known at compile time, so that the copy
    // is a few moves rather than a call (see RowText.h).
    template <std::size_t N>
    void emplace_fixed(const char* text) {
        if (size_ == textCapacity_ || N > byteCapacity_ - byteCount_) [[unlikely]] {
            appendGrowing(std::string_view(text, N));
            return;
        }
        std::memcpy(bytes_ + byteCount_, text, N);
        byteCount_ += static_cast<std::uint32_t>(N);
        ends_[size_++] = byteCount_;
    }
    void pop_back() noexcept { truncate(size_ - 1); }

    // Replaces text i with text (which may lie in this row).
    void set(size_type i, std::string_view text);

    // Inserts before pos; returns the position of the first text inserted.
    const_iterator insert(const_iterator pos, std::string_view text) { return insert(pos, &text, &text + 1); }
    const_iterator insert(const_iterator pos, size_type count, std::string_view text) {
        return insertAll(pos.index(), TagRow(count, text));
    }
    const_iterator insert(const_iterator pos, std::initializer_list<std::string_view> texts) {
        return insert(pos, texts.begin(), texts.end());
    }
    template <typename InputIt, typename = std::enable_if_t<tag_row_detail::isTextIterator<InputIt>()>>
    const_iterator insert(const_iterator pos, InputIt first, InputIt last) {
        // Copied first: the range may lie in this row.
        return insertAll(pos.index(), TagRow(first, last));
    }

    const_iterator erase(const_iterator pos) { return erase(pos, pos + 1); }
    const_iterator erase(const_iterator first, const_iterator last);

    void clear() noexcept { truncate(0); }
    void resize(size_type count) { resize(count, std::string_view{}); }
    void resize(size_type count, std::string_view text) {
        if (count < size_) {
            truncate(count);
            return;
        }
        if (holds(text)) {
            const std::string held(text);  // the bytes move as the row grows
            resize(count, held);
            return;
        }
        reserve(count);
        while (size_ < count) emplace_text(text);
    }

    void swap(TagRow& other) noexcept {
        TagRow held(std::move(other));
        other = std::move(*this);
        *this = std::move(held);
    }
    friend void swap(TagRow& a, TagRow& b) noexcept { a.swap(b); }

    friend bool operator==(const TagRow& a, const TagRow& b) noexcept {
        if (a.size_ != b.size_ || a.byteCount_ != b.byteCount_) return false;
        return std::memcmp(a.ends_, b.ends_, a.size_ * sizeof(std::uint32_t)) == 0 &&
               std::memcmp(a.bytes_, b.bytes_, a.byteCount_) == 0;
    }
    friend std::strong_ordering operator<=>(const TagRow& a, const TagRow& b) noexcept {
        return std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    bool isInline() const noexcept { return bytes_ == inlineBytes_; }
    // Whether text lies in this row's buffer.
    bool holds(std::string_view text) const noexcept {
        const std::less<const char*> before;
        return !before(text.data(), bytes_) && before(text.data(), bytes_ + byteCapacity_);
    }

    // The texts from i on are dropped.
    void truncate(size_type i) noexcept {
        size_ = static_cast<std::uint32_t>(i);
        byteCount_ = i == 0 ? 0 : ends_[i - 1];
    }

    // Moves the texts into a heap block with room for the given texts and bytes.
    void regrow(size_type texts, size_type bytes);
    // Appends when the row is full; text may lie in this row.
    void appendGrowing(std::string_view text);
    const_iterator insertAll(size_type at, TagRow added);

    // Copies other's texts into this empty row, which has room for them.
    // Every row has room for at least the inline texts, so a row that fits
    // them is copied as two blocks of fixed size, a few moves.
    void copyTexts(const TagRow& other) noexcept {
        if (other.size_ <= kInlineTexts && other.byteCount_ <= kInlineBytes) {
            std::memcpy(ends_, other.ends_, kInlineTexts * sizeof(std::uint32_t));
            std::memcpy(bytes_, other.bytes_, kInlineBytes);
        } else {
            std::memcpy(ends_, other.ends_, other.size_ * sizeof(std::uint32_t));
            std::memcpy(bytes_, other.bytes_, other.byteCount_);
        }
        size_ = other.size_;
        byteCount_ = other.byteCount_;
    }
    // Makes this row, which holds nothing, a copy of other.
    void copyFrom(const TagRow& other) {
        if (other.size_ > kInlineTexts || other.byteCount_ > kInlineBytes) regrow(other.size_, other.byteCount_);
        copyTexts(other);
    }
    // Takes other's texts, leaving it empty and inline; this holds nothing.
    void takeFrom(TagRow& other) noexcept {
        if (other.isInline()) {
            copyTexts(other);
        } else {
            bytes_ = other.bytes_;
            ends_ = other.ends_;
            size_ = other.size_;
            byteCount_ = other.byteCount_;
            textCapacity_ = other.textCapacity_;
            byteCapacity_ = other.byteCapacity_;
            other.bytes_ = other.inlineBytes_;
            other.ends_ = other.inlineEnds_;
            other.textCapacity_ = kInlineTexts;
            other.byteCapacity_ = kInlineBytes;
        }
        other.size_ = 0;
        other.byteCount_ = 0;
    }
    void freeHeap() noexcept;
    void release() noexcept {
        freeHeap();
        bytes_ = inlineBytes_;
        ends_ = inlineEnds_;
        size_ = 0;
        byteCount_ = 0;
        textCapacity_ = kInlineTexts;
        byteCapacity_ = kInlineBytes;
    }

    // The bookkeeping stands before the texts, so that a short row lies in
    // one or two cache lines.
    char* bytes_ = inlineBytes_;
    std::uint32_t* ends_ = inlineEnds_;
    std::uint32_t size_ = 0;
    std::uint32_t byteCount_ = 0;
    std::uint32_t textCapacity_ = kInlineTexts;
    std::uint32_t byteCapacity_ = kInlineBytes;
    std::uint32_t inlineEnds_[kInlineTexts];
    char inlineBytes_[kInlineBytes];
};

}  // namespace duolinear
