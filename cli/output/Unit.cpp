#include "output/Unit.h"

std::string_view basisName(LengthBasis basis)
{
    switch (basis) {
    case LengthBasis::Metre: return "m";
    case LengthBasis::Kilometre: return "km";
    case LengthBasis::Foot: return "ft";
    case LengthBasis::HundredMetres: return "100m";
    case LengthBasis::HundredFeet: return "100ft";
    }
    return "m";
}

double metresPer(LengthBasis basis)
{
    switch (basis) {
    case LengthBasis::Metre: return 1;
    case LengthBasis::Kilometre: return 1000;
    case LengthBasis::Foot: return 0.3048;
    case LengthBasis::HundredMetres: return 100;
    case LengthBasis::HundredFeet: return 30.48;
    }
    return 1;
}

bool isPerLength(Unit unit)
{
    switch (unit) {
    case Unit::MilliohmPerLength:
    case Unit::PicofaradPerLength:
    case Unit::NanohenryPerLength:
    case Unit::NanosecondPerLength:
    case Unit::PicosecondPerLength:
    case Unit::DecibelPerLength:
        return true;
    default:
        return false;
    }
}

std::string unitSymbol(Unit unit, LengthBasis per)
{
    std::string perLength = "/";
    perLength += basisName(per);
    switch (unit) {
    case Unit::Ohm: return "ohm";
    case Unit::CoreRadius: return "r";
    case Unit::Millimetre: return "mm";
    case Unit::Micrometre: return "um";
    case Unit::MilliohmPerLength: return perLength.insert(0, "mohm");
    case Unit::PicofaradPerLength: return perLength.insert(0, "pF");
    case Unit::NanohenryPerLength: return perLength.insert(0, "nH");
    case Unit::NanosecondPerLength: return perLength.insert(0, "ns");
    case Unit::PicosecondPerLength: return perLength.insert(0, "ps");
    case Unit::DecibelPerLength: return perLength.insert(0, "dB");
    case Unit::Hertz: return "Hz";
    case Unit::SiemensPerMetre: return "S/m";
    case Unit::Metre: return "m";
    case Unit::Decibel: return "dB";
    case Unit::None:
    case Unit::Percent:
    case Unit::RelativeError:
        break;
    }
    return {};
}
