// The stand-in ZORHYX6: error protocol, settings and status exports, and the
// test hooks. The water/steam exports are in water.cpp, the gases in gases.cpp.
//
// One instance per process: every plug-in that links the library shares this
// state. Calls come from one thread at a time (MATLAB runs MEX functions on
// its main thread), so nothing here is locked.
#include <cmath>
#include <cstdio>
#include <deque>
#include <limits>
#include <vector>

#include "standin.hpp"
#include "zorhyx6_testing.h"

namespace zorhyx6 {

LastError last_error;

std::string parameter_name_text(const char* params, int k) {
    const NameSpan n = parameter_name(params, k);
    return n.begin ? std::string(n.begin, static_cast<std::size_t>(n.length)) : std::string("?");
}

std::string number_text(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

void refuse(const Export& e, ZORLONG code, const std::string& what) {
    last_error.code = code;
    last_error.text = std::string("ZORHYX6 ") + e.name + ": " + what + ".";
}

void refuse_argument(const Export& e, int k, ZORLONG code, const char* what) {
    refuse(e, code, "argument #" + std::to_string(k + 1) + " (" + parameter_name_text(e.params, k) + ") " + what);
}

// ---- Journal and injected failures ------------------------------------------

bool hooks_on = false;

namespace {

bool journal_on = false;
int fail_next = 0;  // export number whose next call fails; 0 for none

void update_hooks_on() {
    hooks_on = journal_on || fail_next != 0;
}

struct JournalArg {
    double number;
    const char* text;  // into journal_texts; null for a number or a null text
};

struct JournalCall {
    int number;
    int argc;
    std::size_t first;  // into journal_args
};

std::vector<JournalCall> journal_calls;
std::vector<JournalArg> journal_args;
// A deque never moves its elements, so the copies handed out stay put while
// the journal grows.
std::deque<std::string> journal_texts;

void journal_clear() {
    journal_calls.clear();
    journal_args.clear();
    journal_texts.clear();
}

const JournalArg* journal_arg(int i, int k) {
    if (i < 0 || static_cast<std::size_t>(i) >= journal_calls.size()) return nullptr;
    const JournalCall& call = journal_calls[static_cast<std::size_t>(i)];
    if (k < 0 || k >= call.argc) return nullptr;
    return &journal_args[call.first + static_cast<std::size_t>(k)];
}

void journal_record(int number, std::initializer_list<CallArg> args) {
    journal_calls.push_back(JournalCall{number, static_cast<int>(args.size()), journal_args.size()});
    for (const CallArg& a : args) {
        if (!a.is_text) {
            journal_args.push_back(JournalArg{a.number, nullptr});
        } else if (a.text == nullptr) {
            journal_args.push_back(JournalArg{std::numeric_limits<double>::quiet_NaN(), nullptr});
        } else {
            journal_texts.emplace_back(a.text);
            journal_args.push_back(JournalArg{std::numeric_limits<double>::quiet_NaN(), journal_texts.back().c_str()});
        }
    }
}

}  // namespace

bool enter_hooked(const Export& e, std::initializer_list<CallArg> args) {
    if (journal_on) journal_record(e.number, args);
    if (fail_next != e.number) return false;
    fail_next = 0;
    update_hooks_on();
    return true;
}

void inject_failure(const Export& e) {
    refuse(e, kInjected, "failure injected by zorhyx6_test_fail_next");
}

// ---- Settings -----------------------------------------------------------------

namespace {

struct Settings {
    double tolerance = 1e-9;
    ZORLONG tolerance_mode = 0;
    ZORLONG check_range_mode = 1;
    ZORLONG max_iteration = 100;
    double delta_ts = 1e-3;
    double delta_pressure = 1e-4;
    double init_steam_density = 1.0;
};

Settings settings;
bool description_null = false;

template <class T>
T exchange(T& stored, T value) {
    const T previous = stored;
    stored = value;
    return previous;
}

}  // namespace
}  // namespace zorhyx6

using namespace zorhyx6;

// Setters store their argument as given (NaN included) and return the
// previous value; neither they nor the readers touch the last error.

ZORLONG hyxSETTOLERANCEMODE(ZORLONG mode) {
    const Call call = enter(x_hyxSETTOLERANCEMODE, mode);
    return exchange(settings.tolerance_mode, mode);
}

ZORLONG hyxSETCHECKRANGEMODE(ZORLONG mode) {
    const Call call = enter(x_hyxSETCHECKRANGEMODE, mode);
    return exchange(settings.check_range_mode, mode);
}

double hyxSETTOLERANCE(double tolerance) {
    const Call call = enter(x_hyxSETTOLERANCE, tolerance);
    return exchange(settings.tolerance, tolerance);
}

ZORLONG hyxSETMAXITERATION(ZORLONG maxiteration) {
    const Call call = enter(x_hyxSETMAXITERATION, maxiteration);
    return exchange(settings.max_iteration, maxiteration);
}

double hyxSETDELTATS(double delta) {
    const Call call = enter(x_hyxSETDELTATS, delta);
    return exchange(settings.delta_ts, delta);
}

double hyxSETDELTAPRESSURE(double delta) {
    const Call call = enter(x_hyxSETDELTAPRESSURE, delta);
    return exchange(settings.delta_pressure, delta);
}

double hyxSETINITSTEAMDENSITY(double r) {
    const Call call = enter(x_hyxSETINITSTEAMDENSITY, r);
    return exchange(settings.init_steam_density, r);
}

double hyxGETINITSTEAMDENSITY(void) {
    const Call call = enter(x_hyxGETINITSTEAMDENSITY);
    return settings.init_steam_density;
}

double hyxGETTOLERANCE(void) {
    const Call call = enter(x_hyxGETTOLERANCE);
    return settings.tolerance;
}

double hyxGETDELTAPRESSURE(void) {
    const Call call = enter(x_hyxGETDELTAPRESSURE);
    return settings.delta_pressure;
}

double hyxGETDELTATS(void) {
    const Call call = enter(x_hyxGETDELTATS);
    return settings.delta_ts;
}

ZORLONG hyxGETCHECKRANGEMODE(void) {
    const Call call = enter(x_hyxGETCHECKRANGEMODE);
    return settings.check_range_mode;
}

double hyxGETHYXVERSION(void) {
    const Call call = enter(x_hyxGETHYXVERSION);
    return 6.1;
}

// ---- Last error -----------------------------------------------------------------

ZORLONG hyxSETLASTERROR(ZORLONG ErrCode) {
    const Call call = enter(x_hyxSETLASTERROR, ErrCode);
    const ZORLONG previous = last_error.code;
    last_error.code = ErrCode;
    if (ErrCode == 0)
        last_error.text.clear();
    else
        last_error.text = "ZORHYX6: error code " + std::to_string(ErrCode) + " set by hyxSETLASTERROR.";
    return previous;
}

ZORLONG hyxGETLASTERROR(void) {
    const Call call = enter(x_hyxGETLASTERROR);
    return last_error.code;
}

// The texts below live in last_error until the next call changes it.
const char* hyxGETLASTERRORTEXT(void) {
    Call call = enter(x_hyxGETLASTERRORTEXT);
    call.now();
    return last_error.text.c_str();
}

const char* hyxGETLASTERRORDESCRIPTIONW(void) {
    Call call = enter(x_hyxGETLASTERRORDESCRIPTIONW);
    call.now();
    if (description_null) return nullptr;
    return last_error.code == 0 ? "No error." : last_error.text.c_str();
}

// ---- Test hooks -------------------------------------------------------------------

void zorhyx6_test_reset(void) {
    settings = Settings{};
    last_error.code = 0;
    last_error.text.clear();
    reset_gases();
    description_null = false;
    journal_on = false;
    fail_next = 0;
    update_hooks_on();
    journal_clear();
}

void zorhyx6_test_journal(int on) {
    if (on) journal_clear();
    journal_on = on != 0;
    update_hooks_on();
}

void zorhyx6_test_fail_next(int export_number) {
    fail_next = export_number;
    update_hooks_on();
}

int zorhyx6_test_journal_size(void) {
    const std::size_t n = journal_calls.size();
    return n > static_cast<std::size_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                          : static_cast<int>(n);
}

int zorhyx6_test_journal_export(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= journal_calls.size()) return -1;
    return journal_calls[static_cast<std::size_t>(i)].number;
}

int zorhyx6_test_journal_argc(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= journal_calls.size()) return -1;
    return journal_calls[static_cast<std::size_t>(i)].argc;
}

double zorhyx6_test_journal_number(int i, int k) {
    const JournalArg* a = journal_arg(i, k);
    return a ? a->number : std::numeric_limits<double>::quiet_NaN();
}

const char* zorhyx6_test_journal_text(int i, int k) {
    const JournalArg* a = journal_arg(i, k);
    return a ? a->text : nullptr;
}

void zorhyx6_test_description_null(int on) {
    description_null = on != 0;
}
