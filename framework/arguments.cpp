#include "arguments.hpp"

#include "failure.hpp"
#include "messages.hpp"
#include "string_cursors.hpp"

namespace hyx {

namespace {

template <class T>
std::unique_ptr<CZORConvert2Base<T>> NumericCursor(const Gateway& g, std::size_t i, const mxArray* input) {
    // A sparse array stores only its non-zero elements: a cursor would walk
    // past them.
    if (mxIsSparse(input)) throw Failure(msg::SparseInput(g.name, i + 1, g.inputs[i].name));
    auto cursor = MakeNumericCursor<T>(input);
    if (!cursor) throw Failure(msg::NumericClass(g.name, i + 1, g.inputs[i].name));
    return cursor;
}

}  // namespace

Arguments::Arguments(const Gateway& g, const mxArray* const* inputs) {
    for (std::size_t i = 0; i < g.input_count; ++i) {
        Cursor& c = cursors_[i];
        switch (g.inputs[i].type) {
            case ElementType::Double: c.number = NumericCursor<double>(g, i, inputs[i]); break;
            case ElementType::Long: c.integer = NumericCursor<Long>(g, i, inputs[i]); break;
            case ElementType::Text: c.text = MakeTextCursor(inputs[i]); break;
        }
        count_ = i + 1;
    }
    // Only once every cursor exists, so that a refused class later on is
    // reported before an empty text earlier on.
    for (std::size_t i = 0; i < count_; ++i) {
        if (cursors_[i].text && cursors_[i].text->GetCount() == 0) throw Failure(msg::TextInput(g.name, i + 1));
    }
}

Arguments::~Arguments() {
    for (Cursor& c : cursors_) c = Cursor{};  // in input order
}

Shape Arguments::OutputShape(const Gateway& g) const {
    Shape shape;
    bool some_empty = false;
    for (std::size_t i = 0; i < count_; ++i) {
        Visit(cursors_[i], [&](const auto& cursor) {
            const std::size_t n = cursor.GetCount();
            some_empty = some_empty || n == 0;
            if (n > shape.count) shape = {n, cursor.GetNumberOfDimensions(), cursor.GetDimensions()};
        });
    }
    if (shape.count == 0 || some_empty) throw Failure(msg::ZeroSize(g.name));
    return shape;
}

void Arguments::Next() {
    for (std::size_t i = 0; i < count_; ++i) Visit(cursors_[i], [](auto& cursor) { cursor.Next(); });
}

}  // namespace hyx
