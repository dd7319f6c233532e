#include "output/Unit.h"

std::string_view unitSymbol(Unit unit)
{
    switch (unit) {
    case Unit::Ohm: return "ohm";
    case Unit::CoreRadius: return "r";
    case Unit::Millimetre: return "mm";
    case Unit::Micrometre: return "um";
    case Unit::PicofaradPerMetre: return "pF/m";
    case Unit::NanohenryPerMetre: return "nH/m";
    case Unit::NanosecondPerMetre: return "ns/m";
    case Unit::DecibelPerMetre: return "dB/m";
    case Unit::Hertz: return "Hz";
    case Unit::SiemensPerMetre: return "S/m";
    case Unit::None:
    case Unit::Percent:
    case Unit::RelativeError:
        break;
    }
    return {};
}
