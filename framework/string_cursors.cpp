#include "string_cursors.hpp"

#include "failure.hpp"
#include "messages.hpp"

using hyx::Failure;
namespace msg = hyx::msg;

namespace {

template <class T>
T* Calloc(std::size_t count) {
    void* memory = mxCalloc(count, sizeof(T));
    if (!memory) throw Failure(msg::kNoMemory);
    return static_cast<T*>(memory);
}

// All the characters of a char array, column after column, NUL-terminated.
char* AllCharacters(const mxArray* chars, std::size_t length) {
    char* text = Calloc<char>(length + 1);
    if (mxGetString(chars, text, static_cast<mwSize>(length + 1)) != 0) throw Failure(msg::kGetStringFailed);
    return text;
}

}  // namespace

CZORConvert2StringFromChar::CZORConvert2StringFromChar(const mxArray* input) {
    if (!mxIsChar(input)) throw Failure(msg::kNotChars);
    const std::size_t columns = mxGetN(input);
    const std::size_t rows = mxGetM(input);
    char* matrix = AllCharacters(input, rows * columns);

    row_count_ = rows;
    dimensions_[1] = static_cast<mwSize>(rows);
    // A matrix without rows has no texts: the gateway refuses it as an empty
    // text input, whatever the allocator makes of a request for no entries.
    if (rows > 0) {
        row_table_ = Calloc<char*>(rows);
        for (std::size_t i = 0; i < rows; ++i) {
            char* row = Calloc<char>(columns + 1);
            for (std::size_t j = 0; j < columns; ++j) row[j] = matrix[i + j * rows];
            for (std::size_t j = columns; j > 0 && row[j - 1] == ' '; --j) row[j - 1] = '\0';
            row_table_[i] = row;
        }
        current_row_ = row_table_;
        last_row_ = row_table_ + (rows - 1);
    }
    mxFree(matrix);
}

CZORConvert2StringFromCell::CZORConvert2StringFromCell(const mxArray* input) : cells_(input) {
    if (!mxIsCell(input)) throw Failure(msg::kNotCells);
    cell_count_ = mxGetNumberOfElements(input);
    // Every cell before any text: one bad cell anywhere refuses the input.
    for (std::size_t i = 0; i < cell_count_; ++i) {
        const mxArray* cell = mxGetCell(input, static_cast<mwIndex>(i));
        if (!cell || !mxIsChar(cell)) throw Failure(msg::kCellNotText);
    }
    if (cell_count_ > 0) Fetch();
}

void CZORConvert2StringFromCell::Next() {
    if (index_ + 1 < cell_count_) {
        ++index_;
        Fetch();
    }
}

void CZORConvert2StringFromCell::Fetch() {
    const mxArray* cell = mxGetCell(cells_, static_cast<mwIndex>(index_));
    current_text_ = AllCharacters(cell, mxGetM(cell) * mxGetN(cell));
}

CZORConvert2String::CZORConvert2String(const mxArray* input) {
    if (mxIsChar(input)) owned_ = std::make_unique<CZORConvert2StringFromChar>(input);
    else if (mxIsCell(input)) owned_ = std::make_unique<CZORConvert2StringFromCell>(input);
    else throw Failure(msg::kNotCharsOrCells);
}

namespace hyx {

std::unique_ptr<CZORConvert2Base<Text>> MakeTextCursor(const mxArray* input) {
    return std::make_unique<CZORConvert2String>(input);
}

}  // namespace hyx
