#pragma once
// One row of a layout record: a short list of texts, the first naming what the
// row is ("join", "message_color", ...). It reads and changes like the
// std::vector<std::string> it stands for (size, indexing, iteration,
// push_back, insert, erase, resize, comparison).
//
// The rows the builders write hold two to five texts, so a row keeps up to
// kInlineCapacity of them inside itself and goes to the heap only beyond
// that: making, copying and moving a layout's rows then costs no allocation
// per row. Moving a row leaves the source empty.

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace duolinear {

class TagRow {
public:
    using value_type = std::string;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = std::string&;
    using const_reference = const std::string&;
    using pointer = std::string*;
    using const_pointer = const std::string*;
    using iterator = std::string*;
    using const_iterator = const std::string*;
    using reverse_iterator = std::reverse_iterator<iterator>;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    static constexpr size_type kInlineCapacity = 5;

    TagRow() noexcept {}
    explicit TagRow(size_type count) {
        reserve(count);
        for (size_type i = 0; i < count; ++i) emplace_back();
    }
    TagRow(size_type count, const std::string& value) {
        reserve(count);
        for (size_type i = 0; i < count; ++i) emplace_back(value);
    }
    TagRow(std::initializer_list<std::string> texts) : TagRow(texts.begin(), texts.end()) {}
    template <typename InputIt, typename = std::enable_if_t<!std::is_integral_v<InputIt>>>
    TagRow(InputIt first, InputIt last) {
        if constexpr (std::is_base_of_v<std::forward_iterator_tag,
                                        typename std::iterator_traits<InputIt>::iterator_category>) {
            reserve(static_cast<size_type>(std::distance(first, last)));
        }
        for (; first != last; ++first) emplace_back(*first);
    }

    // A key, N bytes known at compile time, followed by one text: the shape
    // of most rows the layout writers make, made without growing the row.
    template <std::size_t N>
    TagRow(const char (&key)[N], const std::string& text) : TagRow() {
        ::new (static_cast<void*>(data_)) std::string(key, N - 1);
        size_ = 1;
        copyText(data_ + 1, text);
        size_ = 2;
    }

    TagRow(const TagRow& other) {
        reserve(other.size_);
        try {
            for (const std::string& text : other) {
                copyText(data_ + size_, text);
                ++size_;
            }
        } catch (...) {
            release();  // the copies made so far
            throw;
        }
    }
    TagRow(TagRow&& other) noexcept { takeFrom(other); }
    TagRow& operator=(const TagRow& other) {
        if (this != &other) assign(other.begin(), other.end());
        return *this;
    }
    TagRow& operator=(TagRow&& other) noexcept {
        if (this != &other) {
            release();
            takeFrom(other);
        }
        return *this;
    }
    TagRow& operator=(std::initializer_list<std::string> texts) {
        assign(texts.begin(), texts.end());
        return *this;
    }
    ~TagRow() { release(); }

    // Replaces the texts with those of [first, last), reusing the strings
    // already held where it can.
    template <typename InputIt>
    void assign(InputIt first, InputIt last) {
        size_type i = 0;
        for (; first != last && i < size_; ++first, ++i) data_[i] = *first;
        if (i < size_) {
            std::destroy(data_ + i, data_ + size_);
            size_ = static_cast<std::uint32_t>(i);
        }
        for (; first != last; ++first) emplace_back(*first);
    }

    size_type size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    size_type capacity() const noexcept { return capacity_; }
    size_type max_size() const noexcept { return UINT32_MAX; }

    std::string& operator[](size_type i) noexcept { return data_[i]; }
    const std::string& operator[](size_type i) const noexcept { return data_[i]; }
    std::string& at(size_type i) { return data_[checked(i)]; }
    const std::string& at(size_type i) const { return data_[checked(i)]; }
    std::string& front() noexcept { return data_[0]; }
    const std::string& front() const noexcept { return data_[0]; }
    std::string& back() noexcept { return data_[size_ - 1]; }
    const std::string& back() const noexcept { return data_[size_ - 1]; }
    std::string* data() noexcept { return data_; }
    const std::string* data() const noexcept { return data_; }

    iterator begin() noexcept { return data_; }
    iterator end() noexcept { return data_ + size_; }
    const_iterator begin() const noexcept { return data_; }
    const_iterator end() const noexcept { return data_ + size_; }
    const_iterator cbegin() const noexcept { return data_; }
    const_iterator cend() const noexcept { return data_ + size_; }
    reverse_iterator rbegin() noexcept { return reverse_iterator(end()); }
    reverse_iterator rend() noexcept { return reverse_iterator(begin()); }
    const_reverse_iterator rbegin() const noexcept { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const noexcept { return const_reverse_iterator(begin()); }

    void reserve(size_type wanted) {
        if (wanted <= capacity_) return;
        if (wanted > max_size()) throw std::length_error("TagRow too long");
        std::string* grown = std::allocator<std::string>{}.allocate(wanted);
        std::uninitialized_move(data_, data_ + size_, grown);
        std::destroy(data_, data_ + size_);
        freeHeap();
        data_ = grown;
        capacity_ = static_cast<std::uint32_t>(wanted);
    }

    template <typename... Args>
    std::string& emplace_back(Args&&... args) {
        if (size_ == capacity_) {
            // The new text is made before growing: args may name a text of this row.
            std::string text(std::forward<Args>(args)...);
            reserve(2 * static_cast<size_type>(capacity_));
            return *::new (static_cast<void*>(data_ + size_++)) std::string(std::move(text));
        }
        return *::new (static_cast<void*>(data_ + size_++)) std::string(std::forward<Args>(args)...);
    }
    // Appends the N bytes at text, N known at compile time, so that the copy
    // is a few moves rather than a call (see RowText.h). The text must not
    // lie in this row.
    template <std::size_t N>
    std::string& emplace_fixed(const char* text) {
        if (size_ == capacity_) [[unlikely]]
            grow();
        return *::new (static_cast<void*>(data_ + size_++)) std::string(text, N);
    }
    // Appends a copy of text.
    std::string& emplace_text(std::string_view text) {
        if (size_ == capacity_) [[unlikely]]
            return emplaceGrowing(text);
        std::string* at = data_ + size_++;
        makeText(at, text.data(), text.size());
        return *at;
    }
    // The same for a whole string: a short one is copied with a few fixed
    // moves (see copyText), which is what the layout writers append most.
    std::string& emplace_text(const std::string& text) {
        if (size_ == capacity_) [[unlikely]]
            return emplaceGrowing(text);
        std::string* at = data_ + size_++;
        copyText(at, text);
        return *at;
    }
    void push_back(const std::string& text) { emplace_back(text); }
    void push_back(std::string&& text) { emplace_back(std::move(text)); }
    void pop_back() noexcept { std::destroy_at(data_ + --size_); }

    // Inserts before pos; returns the position of the first text inserted.
    iterator insert(const_iterator pos, const std::string& text) { return insert(pos, &text, &text + 1); }
    iterator insert(const_iterator pos, std::string&& text) {
        const size_type at = index(pos);
        emplace_back(std::move(text));
        std::rotate(data_ + at, data_ + size_ - 1, data_ + size_);
        return data_ + at;
    }
    iterator insert(const_iterator pos, size_type count, const std::string& text) {
        return insertAll(index(pos), TagRow(count, text));
    }
    iterator insert(const_iterator pos, std::initializer_list<std::string> texts) {
        return insert(pos, texts.begin(), texts.end());
    }
    template <typename InputIt, typename = std::enable_if_t<!std::is_integral_v<InputIt>>>
    iterator insert(const_iterator pos, InputIt first, InputIt last) {
        // Copied first: the range may lie in this row.
        return insertAll(index(pos), TagRow(first, last));
    }

    iterator erase(const_iterator pos) { return erase(pos, pos + 1); }
    iterator erase(const_iterator first, const_iterator last) {
        const size_type from = index(first);
        const size_type to = index(last);
        std::move(data_ + to, data_ + size_, data_ + from);
        const size_type kept = size_ - (to - from);
        std::destroy(data_ + kept, data_ + size_);
        size_ = static_cast<std::uint32_t>(kept);
        return data_ + from;
    }

    void clear() noexcept {
        std::destroy(data_, data_ + size_);
        size_ = 0;
    }
    void resize(size_type count) { resize(count, std::string{}); }
    void resize(size_type count, const std::string& text) {
        if (count < size_) {
            std::destroy(data_ + count, data_ + size_);
            size_ = static_cast<std::uint32_t>(count);
            return;
        }
        reserve(count);
        while (size_ < count) emplace_back(text);
    }

    void swap(TagRow& other) noexcept {
        TagRow held(std::move(other));
        other = std::move(*this);
        *this = std::move(held);
    }
    friend void swap(TagRow& a, TagRow& b) noexcept { a.swap(b); }

    friend bool operator==(const TagRow& a, const TagRow& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend std::strong_ordering operator<=>(const TagRow& a, const TagRow& b) {
        return std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    // Doubles the room, apart from the writing paths that rarely need it.
    [[gnu::noinline]] void grow() { reserve(2 * static_cast<size_type>(capacity_)); }

    // Makes the text of the size bytes at text in the raw storage at. A text
    // short enough to live inside its string is copied with its length fixed
    // at compile time, a few moves where the string's own copy calls into the
    // library (rows are copied whole, and nearly all their texts are short).
    template <std::size_t N = 0>
    static void makeText(std::string* at, const char* text, std::size_t size) {
        if constexpr (N > 15) {
            ::new (static_cast<void*>(at)) std::string(text, size);
        } else {
            if (size == N) {
                ::new (static_cast<void*>(at)) std::string(text, N);
            } else {
                makeText<N + 1>(at, text, size);
            }
        }
    }

    // A string holds a text of up to 15 bytes inside itself, in a buffer of
    // 16, so a copy of a short string can read 15 bytes whatever its length:
    // it is made as a copy of 15 bytes (two moves of a known length) cut back
    // to the text's length.
    static void copyText(std::string* at, const std::string& text) {
        if (text.size() < 16) {
            (::new (static_cast<void*>(at)) std::string(text.data(), 15))->resize(text.size());
        } else {
            ::new (static_cast<void*>(at)) std::string(text);
        }
    }

    // Appends when the row is full: the text is made before growing, since
    // it may lie in this row.
    [[gnu::noinline]] std::string& emplaceGrowing(std::string_view text) { return emplace_back(text); }

    std::string* inlineData() noexcept { return reinterpret_cast<std::string*>(inline_); }
    bool isInline() const noexcept { return static_cast<const void*>(data_) == static_cast<const void*>(inline_); }

    size_type index(const_iterator pos) const noexcept { return static_cast<size_type>(pos - data_); }
    size_type checked(size_type i) const {
        if (i >= size_) throw std::out_of_range("TagRow index");
        return i;
    }

    iterator insertAll(size_type at, TagRow added) {
        const size_type before = size_;
        reserve(size_ + added.size_);
        for (std::string& text : added) emplace_back(std::move(text));
        std::rotate(data_ + at, data_ + before, data_ + size_);
        return data_ + at;
    }

    // Takes other's texts, leaving it empty and inline; this holds nothing.
    void takeFrom(TagRow& other) noexcept {
        if (other.isInline()) {
            data_ = inlineData();
            capacity_ = kInlineCapacity;
            std::uninitialized_move(other.data_, other.data_ + other.size_, data_);
            size_ = other.size_;
            other.clear();
            return;
        }
        data_ = other.data_;
        size_ = other.size_;
        capacity_ = other.capacity_;
        other.data_ = other.inlineData();
        other.size_ = 0;
        other.capacity_ = kInlineCapacity;
    }

    void freeHeap() noexcept {
        if (!isInline()) std::allocator<std::string>{}.deallocate(data_, capacity_);
    }
    void release() noexcept {
        std::destroy(data_, data_ + size_);
        freeHeap();
        data_ = inlineData();
        size_ = 0;
        capacity_ = kInlineCapacity;
    }

    // The bookkeeping stands before the texts, so that a short row's few
    // texts share its cache lines.
    std::string* data_ = inlineData();
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = kInlineCapacity;
    alignas(std::string) std::byte inline_[kInlineCapacity * sizeof(std::string)];
};

}  // namespace duolinear
