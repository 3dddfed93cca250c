// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Elements.h"

#include <array>

namespace nuklorama {
namespace {

constexpr std::array<Element, kLastElement + 1> kElements{{
    {"n", "neutron", "中子"},      {"H", "hydrogen", "氢"},      {"He", "helium", "氦"},
    {"Li", "lithium", "锂"},       {"Be", "beryllium", "铍"},    {"B", "boron", "硼"},
    {"C", "carbon", "碳"},         {"N", "nitrogen", "氮"},      {"O", "oxygen", "氧"},
    {"F", "fluorine", "氟"},       {"Ne", "neon", "氖"},         {"Na", "sodium", "钠"},
    {"Mg", "magnesium", "镁"},     {"Al", "aluminium", "铝"},    {"Si", "silicon", "硅"},
    {"P", "phosphorus", "磷"},     {"S", "sulfur", "硫"},        {"Cl", "chlorine", "氯"},
    {"Ar", "argon", "氩"},         {"K", "potassium", "钾"},     {"Ca", "calcium", "钙"},
    {"Sc", "scandium", "钪"},      {"Ti", "titanium", "钛"},     {"V", "vanadium", "钒"},
    {"Cr", "chromium", "铬"},      {"Mn", "manganese", "锰"},    {"Fe", "iron", "铁"},
    {"Co", "cobalt", "钴"},        {"Ni", "nickel", "镍"},       {"Cu", "copper", "铜"},
    {"Zn", "zinc", "锌"},          {"Ga", "gallium", "镓"},      {"Ge", "germanium", "锗"},
    {"As", "arsenic", "砷"},       {"Se", "selenium", "硒"},     {"Br", "bromine", "溴"},
    {"Kr", "krypton", "氪"},       {"Rb", "rubidium", "铷"},     {"Sr", "strontium", "锶"},
    {"Y", "yttrium", "钇"},        {"Zr", "zirconium", "锆"},    {"Nb", "niobium", "铌"},
    {"Mo", "molybdenum", "钼"},    {"Tc", "technetium", "锝"},   {"Ru", "ruthenium", "钌"},
    {"Rh", "rhodium", "铑"},       {"Pd", "palladium", "钯"},    {"Ag", "silver", "银"},
    {"Cd", "cadmium", "镉"},       {"In", "indium", "铟"},       {"Sn", "tin", "锡"},
    {"Sb", "antimony", "锑"},      {"Te", "tellurium", "碲"},    {"I", "iodine", "碘"},
    {"Xe", "xenon", "氙"},         {"Cs", "caesium", "铯"},      {"Ba", "barium", "钡"},
    {"La", "lanthanum", "镧"},     {"Ce", "cerium", "铈"},       {"Pr", "praseodymium", "镨"},
    {"Nd", "neodymium", "钕"},     {"Pm", "promethium", "钷"},   {"Sm", "samarium", "钐"},
    {"Eu", "europium", "铕"},      {"Gd", "gadolinium", "钆"},   {"Tb", "terbium", "铽"},
    {"Dy", "dysprosium", "镝"},    {"Ho", "holmium", "钬"},      {"Er", "erbium", "铒"},
    {"Tm", "thulium", "铥"},       {"Yb", "ytterbium", "镱"},    {"Lu", "lutetium", "镥"},
    {"Hf", "hafnium", "铪"},       {"Ta", "tantalum", "钽"},     {"W", "tungsten", "钨"},
    {"Re", "rhenium", "铼"},       {"Os", "osmium", "锇"},       {"Ir", "iridium", "铱"},
    {"Pt", "platinum", "铂"},      {"Au", "gold", "金"},         {"Hg", "mercury", "汞"},
    {"Tl", "thallium", "铊"},      {"Pb", "lead", "铅"},         {"Bi", "bismuth", "铋"},
    {"Po", "polonium", "钋"},      {"At", "astatine", "砹"},     {"Rn", "radon", "氡"},
    {"Fr", "francium", "钫"},      {"Ra", "radium", "镭"},       {"Ac", "actinium", "锕"},
    {"Th", "thorium", "钍"},       {"Pa", "protactinium", "镤"}, {"U", "uranium", "铀"},
    {"Np", "neptunium", "镎"},     {"Pu", "plutonium", "钚"},    {"Am", "americium", "镅"},
    {"Cm", "curium", "锔"},        {"Bk", "berkelium", "锫"},    {"Cf", "californium", "锎"},
    {"Es", "einsteinium", "锿"},   {"Fm", "fermium", "镄"},      {"Md", "mendelevium", "钔"},
    {"No", "nobelium", "锘"},      {"Lr", "lawrencium", "铹"},   {"Rf", "rutherfordium", "𬬻"},
    {"Db", "dubnium", "𬭊"},     {"Sg", "seaborgium", "𬭳"}, {"Bh", "bohrium", "𬭛"},
    {"Hs", "hassium", "𬭶"},     {"Mt", "meitnerium", "鿏"},  {"Ds", "darmstadtium", "𫟼"},
    {"Rg", "roentgenium", "𬬭"}, {"Cn", "copernicium", "鿔"}, {"Nh", "nihonium", "鿭"},
    {"Fl", "flerovium", "𫓧"},     {"Mc", "moscovium", "镆"},    {"Lv", "livermorium", "𫟷"},
    {"Ts", "tennessine", "鿬"},   {"Og", "oganesson", "鿫"},
}};

}  // namespace

std::optional<Element> ElementOf(std::int32_t Z) {
    if (Z < 0 || Z > kLastElement) return std::nullopt;
    return kElements[std::size_t(Z)];
}

}  // namespace nuklorama
