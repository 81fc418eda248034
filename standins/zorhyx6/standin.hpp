// Internals shared by the stand-in's source files: what the export table says
// about each export, the error protocol and the call journal.
#pragma once

#include <initializer_list>
#include <string>

#include "zorhyx6.h"

namespace zorhyx6 {

// Error codes of the stand-in; README.md lists them.
enum : ZORLONG {
    kNotFinite = 1,
    kNotPositivePressure = 2,
    kOutOfRange = 3,
    kUnknownGasId = 4,
    kUnknownGasName = 5,
    kNullPointer = 6,
    kEmptyGas = 7,
    kNoGasIdLeft = 8,
    kInjected = 9,
};

// ---- The table, read at compile time -------------------------------------

constexpr bool is_identifier_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

struct NameSpan {
    const char* begin = nullptr;
    int length = 0;
};

constexpr bool starts_with(NameSpan n, const char* prefix) {
    for (int i = 0; prefix[i] != '\0'; ++i)
        if (i >= n.length || n.begin[i] != prefix[i]) return false;
    return true;
}

// The name of parameter k in a list such as "(double p0, ZORLONG id)": the
// last identifier before the k-th ',' or ')' (or the end of the text).
// Macros of the table's header (ZORHYX6_...) are not names: in
// "(double t ZORHYX6_PROPERTY_SET_OUT)" parameter 0 is t.
constexpr NameSpan parameter_name(const char* params, int k) {
    NameSpan last;
    int index = 0;
    for (const char* c = params;; ++c) {
        if (is_identifier_char(*c)) {
            const char* begin = c;
            while (is_identifier_char(c[1])) ++c;
            const NameSpan token{begin, static_cast<int>(c - begin) + 1};
            if (!starts_with(token, "ZORHYX6_")) last = token;
        } else if (*c == ',' || *c == ')' || *c == '\0') {
            if (index == k) return last;
            if (*c != ',') return NameSpan{};
            ++index;
            last = NameSpan{};
        }
    }
}

constexpr bool name_is(NameSpan n, const char* word) {
    int i = 0;
    for (; i < n.length; ++i)
        if (word[i] != n.begin[i]) return false;
    return word[i] == '\0';
}

// Bit k set: parameter k is a pressure (named p, p0 or p1), which must be > 0.
constexpr unsigned pressure_mask(const char* params) {
    unsigned mask = 0;
    for (int k = 0; k < 32; ++k) {
        const NameSpan n = parameter_name(params, k);
        if (n.begin == nullptr) break;
        if (name_is(n, "p") || name_is(n, "p0") || name_is(n, "p1")) mask |= 1u << k;
    }
    return mask;
}

struct Export {
    int number;
    const char* name;
    const char* params;  // the table's parameter list, as written
    unsigned pressure_mask;
};

// x_<name>: the table's entry for export <name>.
#define ZORHYX6_STANDIN_ENTRY(number, result, name, params) \
    inline constexpr Export x_##name{number, #name, #params, pressure_mask(#params)};
ZORHYX6_EXPORTS(ZORHYX6_STANDIN_ENTRY)
#undef ZORHYX6_STANDIN_ENTRY

std::string parameter_name_text(const char* params, int k);

// ---- Error protocol ---------------------------------------------------------

struct LastError {
    ZORLONG code = 0;
    std::string text;
};
extern LastError last_error;

// A property or gas function that succeeds clears the last error.
inline void succeed() {
    last_error.code = 0;
    last_error.text.clear();
}

// Sets code and "ZORHYX6 <name>: <what>."
void refuse(const Export& e, ZORLONG code, const std::string& what);
// Sets code and "ZORHYX6 <name>: argument #<k+1> (<parameter>) <what>."
void refuse_argument(const Export& e, int k, ZORLONG code, const char* what);

std::string number_text(double value);

// ---- Journal and injected failures ------------------------------------------

// One input argument as the caller passed it.
struct CallArg {
    CallArg(double n) : number(n) {}
    CallArg(ZORLONG n) : number(n) {}
    CallArg(const char* t) : text(t), is_text(true) {}
    double number = 0;
    const char* text = nullptr;
    bool is_text = false;
};

// True while the journal records or a failure is armed (zorhyx6_test_fail_next).
extern bool hooks_on;

// Records the call if the journal is on; true if this call is the one to fail.
bool enter_hooked(const Export& e, std::initializer_list<CallArg> args);

// Sets the injected failure of export e as its last error.
void inject_failure(const Export& e);

// The hooks' part of one call. An injected failure is set when the call ends,
// after the call has done its work and computed its result.
class Call {
public:
    explicit Call(const Export* failing) : failing_(failing) {}
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;
    ~Call() { now(); }
    // Sets the injected failure at once: for the exports that return the
    // last error's text, which must not change after they took it.
    void now() {
        if (failing_) inject_failure(*failing_);
        failing_ = nullptr;
    }

private:
    const Export* failing_;
};

// Every export starts with this; with no hooks it is one test of a flag.
template <class... A>
[[nodiscard]] inline Call enter(const Export& e, A... args) {
    if (!hooks_on) return Call(nullptr);
    return Call(enter_hooked(e, {CallArg(args)...}) ? &e : nullptr);
}

// ---- Gases ------------------------------------------------------------------

void reset_gases();

}  // namespace zorhyx6
