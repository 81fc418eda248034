// What the unit tests share: plug-ins loaded by name from the build, and the
// stand-in library's call journal.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mexhost.hpp"
#include "zorhyx6_testing.h"

namespace hyxtest {

using mexhost::Array;
using mexhost::Outcome;

// The plug-in <name> built for our host; loaded once per test program.
inline mexhost::Plugin& Plugin(const std::string& name) {
    static std::map<std::string, std::unique_ptr<mexhost::Plugin>> loaded;
    auto& plugin = loaded[name];
    if (!plugin) plugin = std::make_unique<mexhost::Plugin>(std::string(HYX_PLUGIN_DIR) + "/" + name + HYX_PLUGIN_SUFFIX);
    return *plugin;
}

inline Outcome Call(const std::string& name, int nlhs, const std::vector<const mxArray*>& inputs) {
    return Plugin(name).call(nlhs, inputs);
}

// The elements of a real numeric array, as doubles, in storage order.
inline std::vector<double> Values(const mxArray* a) {
    std::vector<double> values;
    for (std::size_t k = 0; k < mxGetNumberOfElements(a); ++k) values.push_back(mexhost::element(a, k));
    return values;
}

// Arrays to pass as one call's inputs.
template <class... A>
std::vector<Array> Inputs(A... a) {
    std::vector<Array> v;
    (v.push_back(std::move(a)), ...);
    return v;
}

inline std::vector<const mxArray*> Pointers(const std::vector<Array>& arrays) {
    std::vector<const mxArray*> pointers;
    for (const Array& a : arrays) pointers.push_back(a.get());
    return pointers;
}

// One library call as the journal saw it.
struct LibraryCall {
    int number;
    std::vector<double> numbers;  // NaN where the argument is a text
    std::vector<std::string> texts;  // empty where the argument is a number
};

inline std::vector<LibraryCall> Journal() {
    std::vector<LibraryCall> calls;
    for (int i = 0; i < zorhyx6_test_journal_size(); ++i) {
        LibraryCall c{zorhyx6_test_journal_export(i), {}, {}};
        for (int k = 0; k < zorhyx6_test_journal_argc(i); ++k) {
            c.numbers.push_back(zorhyx6_test_journal_number(i, k));
            const char* text = zorhyx6_test_journal_text(i, k);
            c.texts.push_back(text ? text : "");
        }
        calls.push_back(c);
    }
    return calls;
}

// The journal's calls of one export.
inline std::vector<LibraryCall> CallsOf(int number) {
    std::vector<LibraryCall> calls;
    for (const LibraryCall& c : Journal())
        if (c.number == number) calls.push_back(c);
    return calls;
}

// The export numbers of the journal's calls, in order.
inline std::vector<int> Exports() {
    std::vector<int> numbers;
    for (const LibraryCall& c : Journal()) numbers.push_back(c.number);
    return numbers;
}

// Every test starts from a fresh library that records its calls.
class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        zorhyx6_test_reset();
        zorhyx6_test_journal(1);
    }
    void TearDown() override { zorhyx6_test_reset(); }
};

}  // namespace hyxtest
