// Gas exports of the stand-in: a process-wide table of gases, each a mixture
// of a few known components by volume.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "standin.hpp"

namespace zorhyx6 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kGasConstant = 8.314462618;  // J/(mol K)

struct Component {
    const char* name;
    double molar_mass;  // g/mol
};

// The order of this table is the order of every sum over components.
constexpr Component kComponents[] = {
    {"N2", 28.0134}, {"O2", 31.9988}, {"CO2", 44.0095}, {"H2O", 18.01528}, {"Ar", 39.948}, {"CH4", 16.04246},
};
constexpr std::size_t kComponentCount = sizeof kComponents / sizeof kComponents[0];

// Volume of each component. A gas's total volume stays finite: additions that
// would overflow it are refused, so fractions v/total are always defined.
using Mixture = std::array<double, kComponentCount>;

struct Gas {
    ZORLONG id;
    bool named;
    std::string name;
    Mixture volume;
};

std::vector<Gas> gases;  // ascending id, since ids are never reused
std::int64_t next_id = 1;

double total(const Mixture& m) {
    double sum = 0;
    for (double v : m) sum += v;
    return sum;
}

ZORLONG component_count(const Mixture& m) {
    return static_cast<ZORLONG>(std::count_if(m.begin(), m.end(), [](double v) { return v > 0; }));
}

// sum over components of (v_c / V) * M_c
double molar_mass(const Mixture& m) {
    const double V = total(m);
    double M = 0;
    for (std::size_t c = 0; c < kComponentCount; ++c) {
        const double term = (m[c] / V) * kComponents[c].molar_mass;
        M += term;
    }
    return M;
}

// kJ/(kg K), with M in g/mol
double gas_constant(const Mixture& m) {
    return kGasConstant / molar_mass(m);
}

double cv(const Mixture& m, double t) {
    const double factor = 2.5 + t / 1000.0;
    return gas_constant(m) * factor;
}

Gas* find_gas(ZORLONG id) {
    auto it = std::lower_bound(gases.begin(), gases.end(), id, [](const Gas& g, ZORLONG i) { return g.id < i; });
    return it != gases.end() && it->id == id ? &*it : nullptr;
}

const Gas* find_named_gas(const char* name) {
    for (const Gas& g : gases)
        if (g.named && g.name == name) return &g;
    return nullptr;
}

int find_component(const char* name) {
    for (std::size_t c = 0; c < kComponentCount; ++c)
        if (std::strcmp(kComponents[c].name, name) == 0) return static_cast<int>(c);
    return -1;
}

Mixture pure(int component) {
    Mixture m{};
    m[static_cast<std::size_t>(component)] = 1.0;
    return m;
}

// Argument k, an id: false (error set) unless the gas exists, and, if
// need_volume, unless it holds something.
bool resolve_id(const Export& e, ZORLONG id, bool need_volume, Gas*& gas) {
    gas = find_gas(id);
    if (gas == nullptr) {
        refuse(e, kUnknownGasId, "unknown gas identifier " + std::to_string(id));
        return false;
    }
    if (need_volume && total(gas->volume) == 0) {
        refuse(e, kEmptyGas, "gas " + std::to_string(id) + " is empty");
        return false;
    }
    return true;
}

// Argument k, a text: the first gas of that name, else the pure component.
bool resolve_text(const Export& e, int k, const char* text, Mixture& m) {
    if (text == nullptr) {
        refuse_argument(e, k, kNullPointer, "is a null pointer");
        return false;
    }
    if (const Gas* g = find_named_gas(text)) {
        m = g->volume;
    } else {
        const int c = find_component(text);
        if (c < 0) {
            refuse(e, kUnknownGasName, std::string("unknown gas \"") + text + "\"");
            return false;
        }
        m = pure(c);
    }
    if (total(m) == 0) {
        refuse(e, kEmptyGas, std::string("gas \"") + text + "\" is empty");
        return false;
    }
    return true;
}

bool check_finite(const Export& e, int k, double value) {
    if (std::isfinite(value)) return true;
    refuse_argument(e, k, kNotFinite, "is not a finite number");
    return false;
}

// Volume fraction of the components of b inside a, a not empty:
// (sum of a's volumes of the components b holds) / (a's total volume).
double volume_fraction(const Mixture& a, const Mixture& b) {
    double part = 0;
    for (std::size_t c = 0; c < kComponentCount; ++c)
        if (b[c] > 0) part += a[c];
    return part / total(a);
}

ZORLONG new_gas(const Export& e, bool named, const char* name, const Mixture& m) {
    if (next_id > std::numeric_limits<ZORLONG>::max()) {
        refuse(e, kNoGasIdLeft, "no gas identifier left");
        return 0;
    }
    const ZORLONG id = static_cast<ZORLONG>(next_id++);
    gases.push_back(Gas{id, named, named ? std::string(name) : std::string(), m});
    succeed();
    return id;
}

}  // namespace

void reset_gases() {
    gases.clear();
    next_id = 1;
}

}  // namespace zorhyx6

using namespace zorhyx6;

ZORLONG hyxgADDGASV(ZORLONG id_target, ZORLONG id_source, double volume) {
    const Export& e = x_hyxgADDGASV;
    const Call call = enter(e, id_target, id_source, volume);
    Gas* target;
    Gas* source;
    if (!resolve_id(e, id_target, false, target) || !resolve_id(e, id_source, true, source) ||
        !check_finite(e, 2, volume))
        return 0;
    if (!(volume > 0)) {
        refuse_argument(e, 2, kOutOfRange, "is not positive");
        return 0;
    }
    // Source's composition scaled to `volume`, added component by component.
    const Mixture add = source->volume;
    const double source_total = total(add);
    Mixture sum = target->volume;
    for (std::size_t c = 0; c < kComponentCount; ++c) {
        const double part = (add[c] / source_total) * volume;
        sum[c] += part;
    }
    if (!std::isfinite(total(sum))) {
        refuse(e, kOutOfRange, "the volume of gas " + std::to_string(id_target) + " would not be finite");
        return 0;
    }
    target->volume = sum;
    succeed();
    return component_count(sum);
}

double hyxgCVIDT(ZORLONG id, double t) {
    const Export& e = x_hyxgCVIDT;
    const Call call = enter(e, id, t);
    Gas* gas;
    if (!resolve_id(e, id, true, gas) || !check_finite(e, 1, t)) return kNaN;
    succeed();
    return cv(gas->volume, t);
}

double hyxgCVGST(const char* gas, double t) {
    const Export& e = x_hyxgCVGST;
    const Call call = enter(e, gas, t);
    Mixture m;
    if (!resolve_text(e, 0, gas, m) || !check_finite(e, 1, t)) return kNaN;
    succeed();
    return cv(m, t);
}

double hyxgVFIDID(ZORLONG id_looked, ZORLONG id_looked_for) {
    const Export& e = x_hyxgVFIDID;
    const Call call = enter(e, id_looked, id_looked_for);
    Gas* a;
    Gas* b;
    if (!resolve_id(e, id_looked, true, a) || !resolve_id(e, id_looked_for, false, b)) return kNaN;
    succeed();
    return volume_fraction(a->volume, b->volume);
}

double hyxgVFGSGS(const char* gas_looked, const char* gas_looked_for) {
    const Export& e = x_hyxgVFGSGS;
    const Call call = enter(e, gas_looked, gas_looked_for);
    Mixture a;
    Mixture b;
    if (!resolve_text(e, 0, gas_looked, a) || !resolve_text(e, 1, gas_looked_for, b)) return kNaN;
    succeed();
    return volume_fraction(a, b);
}

double hyxgMMID(ZORLONG id) {
    const Export& e = x_hyxgMMID;
    const Call call = enter(e, id);
    Gas* gas;
    if (!resolve_id(e, id, true, gas)) return kNaN;
    succeed();
    return molar_mass(gas->volume);
}

double hyxgGCGS(const char* gas) {
    const Export& e = x_hyxgGCGS;
    const Call call = enter(e, gas);
    Mixture m;
    if (!resolve_text(e, 0, gas, m)) return kNaN;
    succeed();
    return gas_constant(m);
}

ZORLONG hyxgNEWIDNAME(const char* name) {
    const Export& e = x_hyxgNEWIDNAME;
    const Call call = enter(e, name);
    if (name == nullptr) {
        refuse_argument(e, 0, kNullPointer, "is a null pointer");
        return 0;
    }
    const int c = find_component(name);
    if (c < 0) {
        refuse(e, kUnknownGasName, std::string("unknown gas \"") + name + "\"");
        return 0;
    }
    return new_gas(e, true, name, pure(c));
}

ZORLONG hyxgIDNAME(const char* name) {
    const Export& e = x_hyxgIDNAME;
    const Call call = enter(e, name);
    if (name == nullptr) {
        refuse_argument(e, 0, kNullPointer, "is a null pointer");
        return 0;
    }
    const Gas* g = find_named_gas(name);
    if (g == nullptr) {
        refuse(e, kUnknownGasName, std::string("unknown gas \"") + name + "\"");
        return 0;
    }
    succeed();
    return g->id;
}

ZORLONG hyxgDELETEGASID(ZORLONG id) {
    const Export& e = x_hyxgDELETEGASID;
    const Call call = enter(e, id);
    Gas* gas;
    if (!resolve_id(e, id, false, gas)) return 0;
    gases.erase(gases.begin() + (gas - gases.data()));
    succeed();
    return static_cast<ZORLONG>(gases.size());
}

ZORLONG hyxgNEWID(void) {
    const Export& e = x_hyxgNEWID;
    const Call call = enter(e);
    return new_gas(e, false, nullptr, Mixture{});
}

ZORLONG hyxgDELETEGASES(void) {
    const Call call = enter(x_hyxgDELETEGASES);
    const ZORLONG deleted = static_cast<ZORLONG>(gases.size());
    gases.clear();
    succeed();
    return deleted;
}

ZORLONG hyxgGETCALCDISSMODE(void) {
    const Call call = enter(x_hyxgGETCALCDISSMODE);
    succeed();
    return 0;
}

double hyxGETABSOLUTEGASCONSTANT(void) {
    const Call call = enter(x_hyxGETABSOLUTEGASCONSTANT);
    succeed();
    return kGasConstant;
}
