// Cursors over text inputs: a char matrix (one text per row, trailing blanks
// cut) or a cell array of char arrays (one text per cell, as it stands).
//
// Text memory comes from MATLAB's allocator and is never released here: a
// text handed out stays valid until the MATLAB call ends, when MATLAB takes
// all of it back, also after a failure.
#pragma once

#include <cstddef>
#include <memory>

#include "numeric_cursors.hpp"

// A char matrix split into its rows at construction.
class CZORConvert2StringFromChar final : public CZORConvert2Base<hyx::Text> {
public:
    explicit CZORConvert2StringFromChar(const mxArray* input);

    hyx::Text GetValue() const override { return *current_row_; }
    void Next() override {
        if (current_row_ < last_row_) ++current_row_;
    }
    std::size_t GetCount() const override { return row_count_; }
    mwSize GetNumberOfDimensions() const override { return 2; }
    // {1, M}: the texts of an M-row matrix make a row.
    const mwSize* GetDimensions() const override { return dimensions_; }

private:
    char** row_table_ = nullptr;
    std::size_t row_count_ = 0;
    char** current_row_ = nullptr;
    char** last_row_ = nullptr;
    mwSize dimensions_[2] = {1, 1};
};

// A cell array of char arrays, converted one cell at a time as it is walked.
class CZORConvert2StringFromCell final : public CZORConvert2Base<hyx::Text> {
public:
    explicit CZORConvert2StringFromCell(const mxArray* input);

    hyx::Text GetValue() const override { return current_text_; }
    void Next() override;
    std::size_t GetCount() const override { return cell_count_; }
    mwSize GetNumberOfDimensions() const override { return mxGetNumberOfDimensions(cells_); }
    const mwSize* GetDimensions() const override { return mxGetDimensions(cells_); }

private:
    void Fetch();

    const mxArray* cells_;
    const char* current_text_ = nullptr;
    std::size_t index_ = 0;
    std::size_t cell_count_ = 0;
};

// The cursor a text parameter gets: picks one of the two by the input.
class CZORConvert2String final : public CZORConvert2Base<hyx::Text> {
public:
    explicit CZORConvert2String(const mxArray* input);

    hyx::Text GetValue() const override { return owned_->GetValue(); }
    void Next() override { owned_->Next(); }
    std::size_t GetCount() const override { return owned_->GetCount(); }
    mwSize GetNumberOfDimensions() const override { return owned_->GetNumberOfDimensions(); }
    const mwSize* GetDimensions() const override { return owned_->GetDimensions(); }

private:
    std::unique_ptr<CZORConvert2Base<hyx::Text>> owned_;
};

namespace hyx {

// The cursor for a text parameter's input; throws Failure with the string
// cursors' messages.
std::unique_ptr<CZORConvert2Base<Text>> MakeTextCursor(const mxArray* input);

}  // namespace hyx
