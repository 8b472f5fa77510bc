// The pages of the symbol library: which cell holds which character, and which cells are marked red.
// The runs were produced by a script from the page tables; tests/core/input/symbollibrary_test.cpp checks
// every page against them.

#include "core/input/symbollibrarypagedata.h"

#include <QtGlobal>

namespace pelinor::core {

namespace {

constexpr SymbolLibraryRun kPuncRuns[] = {
    {1, 0x00B7, 0x00B7, nullptr}, {2, 0x2010, 0x2010, nullptr}, {3, 0x2012, 0x2027, nullptr},
    {25, 0x2032, 0x205E, nullptr}, {71, 0x00A6, 0x00A8, nullptr}, {74, 0x00AB, 0x00AB, nullptr},
    {75, 0x00BB, 0x00BB, nullptr}, {76, 0x00AC, 0x00AC, nullptr}, {77, 0x00AF, 0x00AF, nullptr},
    {78, 0x00B4, 0x00B4, nullptr}, {79, 0x00B6, 0x00B6, nullptr}, {80, 0x00B8, 0x00B8, nullptr},
    {81, 0x00A1, 0x00A1, nullptr}, {82, 0x00BF, 0x00BF, nullptr}, {84, 0x2934, 0x2934, nullptr},
    {85, 0x2935, 0x2935, nullptr},
};
constexpr SymbolLibraryRun kLatinRuns[] = {
    {1, 0x0041, 0x005A, nullptr}, {28, 0x0023, 0x0023, nullptr}, {29, 0x0024, 0x0024, nullptr},
    {32, 0x0040, 0x0040, nullptr}, {33, 0x0060, 0x0060, nullptr}, {34, 0x002B, 0x002B, nullptr},
    {35, 0x002A, 0x002A, nullptr}, {36, 0x005B, 0x005B, nullptr}, {37, 0x005D, 0x005D, nullptr},
    {38, 0x0022, 0x0022, nullptr}, {39, 0x0027, 0x0027, nullptr}, {40, 0x007E, 0x007E, nullptr},
    {41, 0x0031, 0x0039, nullptr}, {50, 0x0030, 0x0030, nullptr}, {52, 0x002C, 0x002C, nullptr},
    {53, 0x002E, 0x002E, nullptr}, {54, 0x003B, 0x003B, nullptr}, {55, 0x003A, 0x003A, nullptr},
    {56, 0x0028, 0x0028, nullptr}, {57, 0x0029, 0x0029, nullptr}, {58, 0x0021, 0x0021, nullptr},
    {59, 0x003F, 0x003F, nullptr}, {60, 0x002F, 0x002F, nullptr}, {61, 0x0061, 0x007A, nullptr},
    {88, 0x0025, 0x0025, nullptr}, {89, 0x0026, 0x0026, nullptr}, {92, 0x003C, 0x003C, nullptr},
    {93, 0x003E, 0x003E, nullptr}, {94, 0x003D, 0x003D, nullptr}, {95, 0x002D, 0x002D, nullptr},
    {96, 0x007B, 0x007B, nullptr}, {97, 0x007D, 0x007D, nullptr}, {98, 0x007C, 0x007C, nullptr},
    {99, 0x005F, 0x005F, nullptr}, {100, 0x005C, 0x005C, nullptr},
};
constexpr SymbolLibraryRun kCmb1Runs[] = {
    {1, 0x0300, 0x034E, nullptr},
};
constexpr SymbolLibraryRun kCmb2Runs[] = {
    {1, 0x0350, 0x036F, nullptr},
};
constexpr SymbolLibraryRun kRussRuns[] = {
    {1, 0x0410, 0x0415, nullptr}, {7, 0x0401, 0x0401, nullptr}, {8, 0x0416, 0x042F, nullptr},
    {34, 0x002B, 0x002B, nullptr}, {35, 0x002A, 0x002A, nullptr}, {36, 0x005B, 0x005B, nullptr},
    {37, 0x005D, 0x005D, nullptr}, {38, 0x0022, 0x0022, nullptr}, {40, 0x007E, 0x007E, nullptr},
    {41, 0x0031, 0x0039, nullptr}, {50, 0x0030, 0x0030, nullptr}, {52, 0x002C, 0x002C, nullptr},
    {53, 0x002E, 0x002E, nullptr}, {54, 0x003B, 0x003B, nullptr}, {55, 0x003A, 0x003A, nullptr},
    {56, 0x0028, 0x0028, nullptr}, {57, 0x0029, 0x0029, nullptr}, {58, 0x0021, 0x0021, nullptr},
    {59, 0x003F, 0x003F, nullptr}, {60, 0x002F, 0x002F, nullptr}, {61, 0x0430, 0x0435, nullptr},
    {67, 0x0451, 0x0451, nullptr}, {68, 0x0436, 0x044F, nullptr}, {94, 0x003D, 0x003D, nullptr},
    {95, 0x002D, 0x002D, nullptr}, {96, 0x007B, 0x007B, nullptr}, {97, 0x007D, 0x007D, nullptr},
    {98, 0x0301, 0x0301, nullptr}, {99, 0x0300, 0x0300, nullptr}, {100, 0x005C, 0x005C, nullptr},
};
constexpr SymbolLibraryRun kUkraRuns[] = {
    {1, 0x0410, 0x0413, nullptr}, {5, 0x0490, 0x0490, nullptr}, {6, 0x0414, 0x0414, nullptr},
    {7, 0x0415, 0x0415, nullptr}, {8, 0x0404, 0x0404, nullptr}, {9, 0x0416, 0x0418, nullptr},
    {12, 0x0406, 0x0406, nullptr}, {13, 0x0407, 0x0407, nullptr}, {14, 0x0419, 0x0429, nullptr},
    {31, 0x042C, 0x042C, nullptr}, {32, 0x042E, 0x042E, nullptr}, {33, 0x042F, 0x042F, nullptr},
    {47, 0x2013, 0x2013, nullptr}, {48, 0x2014, 0x2014, nullptr}, {49, 0x2026, 0x2026, nullptr},
    {51, 0x20B4, 0x20B4, nullptr}, {53, 0x00AB, 0x00AB, nullptr}, {54, 0x00BB, 0x00BB, nullptr},
    {56, 0x201C, 0x201F, nullptr}, {61, 0x0430, 0x0433, nullptr}, {65, 0x0491, 0x0491, nullptr},
    {66, 0x0434, 0x0434, nullptr}, {67, 0x0435, 0x0435, nullptr}, {68, 0x0454, 0x0454, nullptr},
    {69, 0x0436, 0x0438, nullptr}, {72, 0x0456, 0x0456, nullptr}, {73, 0x0457, 0x0457, nullptr},
    {74, 0x0439, 0x0449, nullptr}, {91, 0x044C, 0x044C, nullptr}, {92, 0x044E, 0x044E, nullptr},
    {93, 0x044F, 0x044F, nullptr}, {95, 0x2019, 0x2019, nullptr}, {96, 0x0027, 0x0027, nullptr},
    {98, 0x0301, 0x0301, nullptr}, {99, 0x0300, 0x0300, nullptr},
};
constexpr int kUkraRed[] = {
    5, 8, 12, 13, 65, 68, 72, 73,
};
constexpr SymbolLibraryRun kGre1Runs[] = {
    {1, 0x0391, 0x03A1, nullptr}, {19, 0x03A3, 0x03A9, nullptr}, {27, 0x0386, 0x0386, nullptr},
    {28, 0x0388, 0x038A, nullptr}, {31, 0x03AA, 0x03AA, nullptr}, {33, 0x038C, 0x038C, nullptr},
    {34, 0x038E, 0x038E, nullptr}, {35, 0x03AB, 0x03AB, nullptr}, {37, 0x038F, 0x038F, nullptr},
    {47, 0x2013, 0x2013, nullptr}, {48, 0x2014, 0x2014, nullptr}, {49, 0x2026, 0x2026, nullptr},
    {51, 0x20AC, 0x20AC, nullptr}, {53, 0x00AB, 0x00AB, nullptr}, {54, 0x00BB, 0x00BB, nullptr},
    {56, 0x0384, 0x0384, nullptr}, {57, 0x0308, 0x0308, nullptr}, {58, 0x0385, 0x0385, nullptr},
    {59, 0x037E, 0x037E, nullptr}, {60, 0x2019, 0x2019, nullptr}, {61, 0x03B1, 0x03C9, nullptr},
    {87, 0x03AC, 0x03AF, nullptr}, {91, 0x03CA, 0x03CA, nullptr}, {92, 0x0390, 0x0390, nullptr},
    {93, 0x03CC, 0x03CC, nullptr}, {94, 0x03CD, 0x03CD, nullptr}, {95, 0x03CB, 0x03CB, nullptr},
    {96, 0x03B0, 0x03B0, nullptr}, {97, 0x03CE, 0x03CE, nullptr},
};
constexpr SymbolLibraryRun kBelaRuns[] = {
    {1, 0x0410, 0x0415, nullptr}, {7, 0x0401, 0x0401, nullptr}, {8, 0x0416, 0x0416, nullptr},
    {9, 0x0417, 0x0417, nullptr}, {10, 0x0406, 0x0406, nullptr}, {11, 0x0419, 0x0423, nullptr},
    {22, 0x040E, 0x040E, nullptr}, {23, 0x0424, 0x0428, nullptr}, {28, 0x042B, 0x042F, nullptr},
    {61, 0x0430, 0x0435, nullptr}, {67, 0x0451, 0x0451, nullptr}, {68, 0x0436, 0x0436, nullptr},
    {69, 0x0437, 0x0437, nullptr}, {70, 0x0456, 0x0456, nullptr}, {71, 0x0439, 0x0443, nullptr},
    {82, 0x045E, 0x045E, nullptr}, {83, 0x0444, 0x0448, nullptr}, {88, 0x044B, 0x044F, nullptr},
    {94, 0x2019, 0x2019, nullptr},
};
constexpr int kBelaRed[] = {
    10, 22, 70, 82,
};
constexpr SymbolLibraryRun kCyr1Runs[] = {
    {1, 0x0400, 0x040F, nullptr}, {17, 0x0450, 0x04A1, nullptr},
};
constexpr SymbolLibraryRun kCyr2Runs[] = {
    {1, 0x04A2, 0x04FF, nullptr},
};
constexpr SymbolLibraryRun kBulgarianRuns[] = {
    {1, 0x0410, 0x042A, nullptr}, {28, 0x042C, 0x042C, nullptr}, {29, 0x042E, 0x042E, nullptr},
    {30, 0x042F, 0x042F, nullptr}, {61, 0x0430, 0x044A, nullptr}, {88, 0x044C, 0x044C, nullptr},
    {89, 0x044E, 0x044E, nullptr}, {90, 0x044F, 0x044F, nullptr},
};
constexpr SymbolLibraryRun kMacedonianRuns[] = {
    {1, 0x0410, 0x0414, nullptr}, {6, 0x0403, 0x0403, nullptr}, {7, 0x0415, 0x0417, nullptr},
    {10, 0x0405, 0x0405, nullptr}, {11, 0x0418, 0x0418, nullptr}, {12, 0x0408, 0x0408, nullptr},
    {13, 0x041A, 0x041A, nullptr}, {14, 0x041B, 0x041B, nullptr}, {15, 0x0409, 0x0409, nullptr},
    {16, 0x041C, 0x041C, nullptr}, {17, 0x041D, 0x041D, nullptr}, {18, 0x040A, 0x040A, nullptr},
    {19, 0x041E, 0x0422, nullptr}, {24, 0x040C, 0x040C, nullptr}, {25, 0x0423, 0x0427, nullptr},
    {30, 0x040F, 0x040F, nullptr}, {31, 0x0428, 0x0428, nullptr}, {61, 0x0430, 0x0434, nullptr},
    {66, 0x0453, 0x0453, nullptr}, {67, 0x0435, 0x0437, nullptr}, {70, 0x0455, 0x0455, nullptr},
    {71, 0x0438, 0x0438, nullptr}, {72, 0x0458, 0x0458, nullptr}, {73, 0x043A, 0x043A, nullptr},
    {74, 0x043B, 0x043B, nullptr}, {75, 0x0459, 0x0459, nullptr}, {76, 0x043C, 0x043C, nullptr},
    {77, 0x043D, 0x043D, nullptr}, {78, 0x045A, 0x045A, nullptr}, {79, 0x043E, 0x0442, nullptr},
    {84, 0x045C, 0x045C, nullptr}, {85, 0x0443, 0x0447, nullptr}, {90, 0x045F, 0x045F, nullptr},
    {91, 0x0448, 0x0448, nullptr},
};
constexpr int kMacedonianRed[] = {
    6, 10, 12, 15, 18, 24, 30, 66, 70, 72, 75, 78, 84, 90,
};
constexpr SymbolLibraryRun kSerbianRuns[] = {
    {1, 0x0410, 0x0414, nullptr}, {6, 0x0402, 0x0402, nullptr}, {7, 0x0415, 0x0418, nullptr},
    {11, 0x0408, 0x0408, nullptr}, {12, 0x041A, 0x041A, nullptr}, {13, 0x041B, 0x041B, nullptr},
    {14, 0x0409, 0x0409, nullptr}, {15, 0x041C, 0x041C, nullptr}, {16, 0x041D, 0x041D, nullptr},
    {17, 0x040A, 0x040A, nullptr}, {18, 0x041E, 0x0422, nullptr}, {23, 0x040B, 0x040B, nullptr},
    {24, 0x0423, 0x0427, nullptr}, {29, 0x040F, 0x040F, nullptr}, {30, 0x0428, 0x0428, nullptr},
    {61, 0x0430, 0x0434, nullptr}, {66, 0x0452, 0x0452, nullptr}, {67, 0x0435, 0x0438, nullptr},
    {71, 0x0458, 0x0458, nullptr}, {72, 0x043A, 0x043A, nullptr}, {73, 0x043B, 0x043B, nullptr},
    {74, 0x0459, 0x0459, nullptr}, {75, 0x043C, 0x043C, nullptr}, {76, 0x043D, 0x043D, nullptr},
    {77, 0x045A, 0x045A, nullptr}, {78, 0x043E, 0x0442, nullptr}, {83, 0x045B, 0x045B, nullptr},
    {84, 0x0443, 0x0447, nullptr}, {89, 0x045F, 0x045F, nullptr}, {90, 0x0448, 0x0448, nullptr},
};
constexpr int kSerbianRed[] = {
    6, 11, 14, 17, 23, 29, 66, 71, 74, 77, 83, 89,
};
constexpr SymbolLibraryRun kPolishRuns[] = {
    {1, 0x0041, 0x0041, nullptr}, {2, 0x0104, 0x0104, nullptr}, {3, 0x0042, 0x0042, nullptr},
    {4, 0x0043, 0x0043, nullptr}, {5, 0x0106, 0x0106, nullptr}, {6, 0x0044, 0x0044, nullptr},
    {7, 0x0045, 0x0045, nullptr}, {8, 0x0118, 0x0118, nullptr}, {9, 0x0046, 0x004C, nullptr},
    {16, 0x0141, 0x0141, nullptr}, {17, 0x004D, 0x004D, nullptr}, {18, 0x004E, 0x004E, nullptr},
    {19, 0x0143, 0x0143, nullptr}, {20, 0x004F, 0x004F, nullptr}, {21, 0x00D3, 0x00D3, nullptr},
    {22, 0x0050, 0x0050, nullptr}, {23, 0x0052, 0x0052, nullptr}, {24, 0x0053, 0x0053, nullptr},
    {25, 0x015A, 0x015A, nullptr}, {26, 0x0054, 0x0054, nullptr}, {27, 0x0055, 0x0055, nullptr},
    {28, 0x0057, 0x0057, nullptr}, {29, 0x0059, 0x0059, nullptr}, {30, 0x005A, 0x005A, nullptr},
    {31, 0x0179, 0x0179, nullptr}, {32, 0x017B, 0x017B, nullptr}, {61, 0x0061, 0x0061, nullptr},
    {62, 0x0105, 0x0105, nullptr}, {63, 0x0062, 0x0062, nullptr}, {64, 0x0063, 0x0063, nullptr},
    {65, 0x0107, 0x0107, nullptr}, {66, 0x0064, 0x0064, nullptr}, {67, 0x0065, 0x0065, nullptr},
    {68, 0x0119, 0x0119, nullptr}, {69, 0x0066, 0x006C, nullptr}, {76, 0x0142, 0x0142, nullptr},
    {77, 0x006D, 0x006D, nullptr}, {78, 0x006E, 0x006E, nullptr}, {79, 0x0144, 0x0144, nullptr},
    {80, 0x006F, 0x006F, nullptr}, {81, 0x00F3, 0x00F3, nullptr}, {82, 0x0070, 0x0070, nullptr},
    {83, 0x0072, 0x0072, nullptr}, {84, 0x0073, 0x0073, nullptr}, {85, 0x015B, 0x015B, nullptr},
    {86, 0x0074, 0x0074, nullptr}, {87, 0x0075, 0x0075, nullptr}, {88, 0x0077, 0x0077, nullptr},
    {89, 0x0079, 0x0079, nullptr}, {90, 0x007A, 0x007A, nullptr}, {91, 0x017A, 0x017A, nullptr},
    {92, 0x017C, 0x017C, nullptr},
};
constexpr int kPolishRed[] = {
    2, 5, 8, 16, 19, 21, 25, 31, 32, 62, 65, 68, 76, 79, 81, 85, 91, 92,
};
constexpr SymbolLibraryRun kCzechRuns[] = {
    {1, 0x0041, 0x0041, nullptr}, {2, 0x00C1, 0x00C1, nullptr}, {3, 0x0042, 0x0042, nullptr},
    {4, 0x0043, 0x0043, nullptr}, {5, 0x010C, 0x010C, nullptr}, {6, 0x0044, 0x0044, nullptr},
    {7, 0x010E, 0x010E, nullptr}, {8, 0x0045, 0x0045, nullptr}, {9, 0x00C9, 0x00C9, nullptr},
    {10, 0x011A, 0x011A, nullptr}, {11, 0x0046, 0x0048, nullptr}, {14, 0, 0, u"Ch"}, {15, 0x0049, 0x0049, nullptr},
    {16, 0x00CD, 0x00CD, nullptr}, {17, 0x004A, 0x004E, nullptr}, {22, 0x0147, 0x0147, nullptr},
    {23, 0x004F, 0x004F, nullptr}, {24, 0x00D3, 0x00D3, nullptr}, {25, 0x0050, 0x0050, nullptr},
    {26, 0x0052, 0x0052, nullptr}, {27, 0x0158, 0x0158, nullptr}, {28, 0x0053, 0x0053, nullptr},
    {29, 0x0160, 0x0160, nullptr}, {30, 0x0054, 0x0054, nullptr}, {31, 0x0164, 0x0164, nullptr},
    {32, 0x0055, 0x0055, nullptr}, {33, 0x00DA, 0x00DA, nullptr}, {34, 0x016E, 0x016E, nullptr},
    {35, 0x0056, 0x0059, nullptr}, {39, 0x00DD, 0x00DD, nullptr}, {40, 0x005A, 0x005A, nullptr},
    {57, 0x017D, 0x017D, nullptr}, {60, 0x017E, 0x017E, nullptr}, {61, 0x0061, 0x0061, nullptr},
    {62, 0x00E1, 0x00E1, nullptr}, {63, 0x0062, 0x0062, nullptr}, {64, 0x0063, 0x0063, nullptr},
    {65, 0x010D, 0x010D, nullptr}, {66, 0x0064, 0x0064, nullptr}, {67, 0x010F, 0x010F, nullptr},
    {68, 0x0065, 0x0065, nullptr}, {69, 0x00E9, 0x00E9, nullptr}, {70, 0x011B, 0x011B, nullptr},
    {71, 0x0066, 0x0068, nullptr}, {74, 0, 0, u"ch"}, {75, 0x0069, 0x0069, nullptr}, {76, 0x00ED, 0x00ED, nullptr},
    {77, 0x006A, 0x006E, nullptr}, {82, 0x0148, 0x0148, nullptr}, {83, 0x006F, 0x006F, nullptr},
    {84, 0x00F3, 0x00F3, nullptr}, {85, 0x0070, 0x0070, nullptr}, {86, 0x0072, 0x0072, nullptr},
    {87, 0x0159, 0x0159, nullptr}, {88, 0x0073, 0x0073, nullptr}, {89, 0x0161, 0x0161, nullptr},
    {90, 0x0074, 0x0074, nullptr}, {91, 0x0165, 0x0165, nullptr}, {92, 0x0075, 0x0075, nullptr},
    {93, 0x00FA, 0x00FA, nullptr}, {94, 0x016F, 0x016F, nullptr}, {95, 0x0076, 0x0079, nullptr},
    {99, 0x00FD, 0x00FD, nullptr}, {100, 0x007A, 0x007A, nullptr},
};
constexpr int kCzechRed[] = {
    2, 5, 7, 9, 10, 14, 16, 22, 24, 27, 29, 31, 33, 34, 39, 57, 60, 62, 65, 67, 69, 70, 74, 76, 82, 84, 87, 89, 91,
    93, 94, 99,
};
constexpr SymbolLibraryRun kSlovakRuns[] = {
    {1, 0x0041, 0x0041, nullptr}, {2, 0x00C1, 0x00C1, nullptr}, {3, 0x00C4, 0x00C4, nullptr},
    {4, 0x0042, 0x0042, nullptr}, {5, 0x0043, 0x0043, nullptr}, {6, 0x010C, 0x010C, nullptr},
    {7, 0x0044, 0x0044, nullptr}, {8, 0x010E, 0x010E, nullptr}, {9, 0x0045, 0x0045, nullptr},
    {10, 0x00C9, 0x00C9, nullptr}, {11, 0x0046, 0x0048, nullptr}, {14, 0, 0, u"Ch"}, {15, 0x0049, 0x0049, nullptr},
    {16, 0x00CD, 0x00CD, nullptr}, {17, 0x004A, 0x004C, nullptr}, {20, 0x0139, 0x0139, nullptr},
    {21, 0x013D, 0x013D, nullptr}, {22, 0x004D, 0x004D, nullptr}, {23, 0x004E, 0x004E, nullptr},
    {24, 0x0147, 0x0147, nullptr}, {25, 0x004F, 0x004F, nullptr}, {26, 0x00D3, 0x00D3, nullptr},
    {27, 0x00D4, 0x00D4, nullptr}, {28, 0x0050, 0x0050, nullptr}, {29, 0x0052, 0x0052, nullptr},
    {30, 0x0154, 0x0154, nullptr}, {31, 0x0053, 0x0053, nullptr}, {32, 0x0160, 0x0160, nullptr},
    {33, 0x0054, 0x0054, nullptr}, {34, 0x0164, 0x0164, nullptr}, {35, 0x0055, 0x0055, nullptr},
    {36, 0x00DA, 0x00DA, nullptr}, {37, 0x0056, 0x0056, nullptr}, {38, 0x0059, 0x0059, nullptr},
    {39, 0x00DD, 0x00DD, nullptr}, {40, 0x005A, 0x005A, nullptr}, {59, 0x017D, 0x017D, nullptr},
    {60, 0x017E, 0x017E, nullptr}, {61, 0x0061, 0x0061, nullptr}, {62, 0x00E1, 0x00E1, nullptr},
    {63, 0x00E4, 0x00E4, nullptr}, {64, 0x0062, 0x0062, nullptr}, {65, 0x0063, 0x0063, nullptr},
    {66, 0x010D, 0x010D, nullptr}, {67, 0x0064, 0x0064, nullptr}, {68, 0x010F, 0x010F, nullptr},
    {69, 0x0065, 0x0065, nullptr}, {70, 0x00E9, 0x00E9, nullptr}, {71, 0x0066, 0x0068, nullptr}, {74, 0, 0, u"ch"},
    {75, 0x0069, 0x0069, nullptr}, {76, 0x00ED, 0x00ED, nullptr}, {77, 0x006A, 0x006C, nullptr},
    {80, 0x013A, 0x013A, nullptr}, {81, 0x013E, 0x013E, nullptr}, {82, 0x006D, 0x006D, nullptr},
    {83, 0x006E, 0x006E, nullptr}, {84, 0x0148, 0x0148, nullptr}, {85, 0x006F, 0x006F, nullptr},
    {86, 0x00F3, 0x00F3, nullptr}, {87, 0x00F4, 0x00F4, nullptr}, {88, 0x0070, 0x0070, nullptr},
    {89, 0x0072, 0x0072, nullptr}, {90, 0x0155, 0x0155, nullptr}, {91, 0x0073, 0x0073, nullptr},
    {92, 0x0161, 0x0161, nullptr}, {93, 0x0074, 0x0074, nullptr}, {94, 0x0165, 0x0165, nullptr},
    {95, 0x0075, 0x0075, nullptr}, {96, 0x00FA, 0x00FA, nullptr}, {97, 0x0076, 0x0076, nullptr},
    {98, 0x0079, 0x0079, nullptr}, {99, 0x00FD, 0x00FD, nullptr}, {100, 0x007A, 0x007A, nullptr},
};
constexpr int kSlovakRed[] = {
    2, 3, 6, 8, 10, 14, 16, 20, 21, 24, 26, 27, 30, 32, 34, 36, 39, 59, 60, 62, 63, 66, 68, 70, 74, 76, 80, 81, 84,
    86, 87, 90, 92, 94, 96, 99,
};
constexpr SymbolLibraryRun kSlovenianRuns[] = {
    {1, 0x0041, 0x0043, nullptr}, {4, 0x010C, 0x010C, nullptr}, {5, 0x0044, 0x0050, nullptr},
    {18, 0x0052, 0x0052, nullptr}, {19, 0x0053, 0x0053, nullptr}, {20, 0x0160, 0x0160, nullptr},
    {21, 0x0054, 0x0056, nullptr}, {24, 0x005A, 0x005A, nullptr}, {25, 0x017D, 0x017D, nullptr},
    {61, 0x0061, 0x0063, nullptr}, {64, 0x010D, 0x010D, nullptr}, {65, 0x0064, 0x0070, nullptr},
    {78, 0x0072, 0x0072, nullptr}, {79, 0x0073, 0x0073, nullptr}, {80, 0x0161, 0x0161, nullptr},
    {81, 0x0074, 0x0076, nullptr}, {84, 0x007A, 0x007A, nullptr}, {85, 0x017E, 0x017E, nullptr},
};
constexpr int kSlovenianRed[] = {
    4, 20, 25, 64, 80, 85,
};
constexpr SymbolLibraryRun kLatinSupplement1Runs[] = {
    {1, 0x00C0, 0x00C5, nullptr}, {7, 0x00E0, 0x00E5, nullptr}, {13, 0x00AA, 0x00AA, nullptr},
    {14, 0x00C6, 0x00C6, nullptr}, {15, 0x00E6, 0x00E6, nullptr}, {16, 0x00A9, 0x00A9, nullptr},
    {17, 0x00D0, 0x00D0, nullptr}, {18, 0x00F0, 0x00F0, nullptr}, {19, 0x00A1, 0x00A1, nullptr},
    {20, 0x00BF, 0x00BF, nullptr}, {21, 0x00C8, 0x00CA, nullptr}, {25, 0x00CB, 0x00CB, nullptr},
    {26, 0x00A2, 0x00A2, nullptr}, {27, 0x00E8, 0x00EA, nullptr}, {31, 0x00EB, 0x00EB, nullptr},
    {32, 0x00A8, 0x00A8, nullptr}, {33, 0x00B9, 0x00B9, nullptr}, {34, 0x00C7, 0x00C7, nullptr},
    {35, 0x00E7, 0x00E7, nullptr}, {36, 0x00B8, 0x00B8, nullptr}, {37, 0x00DE, 0x00DE, nullptr},
    {38, 0x00FE, 0x00FE, nullptr}, {39, 0x00A7, 0x00A7, nullptr}, {40, 0x00B6, 0x00B6, nullptr},
    {41, 0x00CC, 0x00CE, nullptr}, {45, 0x00CF, 0x00CF, nullptr}, {46, 0x00A3, 0x00A3, nullptr},
    {47, 0x00EC, 0x00EE, nullptr}, {51, 0x00EF, 0x00EF, nullptr}, {52, 0x00B0, 0x00B0, nullptr},
    {53, 0x00B2, 0x00B2, nullptr}, {54, 0x00D1, 0x00D1, nullptr}, {55, 0x00F1, 0x00F1, nullptr},
    {56, 0x00DF, 0x00DF, nullptr}, {57, 0x00AB, 0x00AB, nullptr}, {58, 0x00B7, 0x00B7, nullptr},
    {59, 0x00BB, 0x00BB, nullptr}, {60, 0x00B5, 0x00B5, nullptr}, {61, 0x00D2, 0x00D6, nullptr},
    {66, 0x00A4, 0x00A4, nullptr}, {67, 0x00F2, 0x00F6, nullptr}, {72, 0x00AF, 0x00AF, nullptr},
    {73, 0x00BA, 0x00BA, nullptr}, {74, 0x00D8, 0x00D8, nullptr}, {75, 0x00F8, 0x00F8, nullptr},
    {76, 0x00AE, 0x00AE, nullptr}, {77, 0x00A6, 0x00A6, nullptr}, {78, 0x00BC, 0x00BE, nullptr},
    {81, 0x00D9, 0x00DB, nullptr}, {84, 0x00AD, 0x00AD, nullptr}, {85, 0x00DC, 0x00DC, nullptr},
    {86, 0x00A5, 0x00A5, nullptr}, {87, 0x00F9, 0x00FB, nullptr}, {90, 0x00B7, 0x00B7, nullptr},
    {91, 0x00FC, 0x00FC, nullptr}, {92, 0x00B4, 0x00B4, nullptr}, {93, 0x00B3, 0x00B3, nullptr},
    {94, 0x00DD, 0x00DD, nullptr}, {95, 0x00FD, 0x00FD, nullptr}, {96, 0x00FF, 0x00FF, nullptr},
    {97, 0x00B1, 0x00B1, nullptr}, {98, 0x00D7, 0x00D7, nullptr}, {99, 0x00F7, 0x00F7, nullptr},
    {100, 0x00AC, 0x00AC, nullptr},
};
constexpr SymbolLibraryRun kArithmeticRuns[] = {
    {1, 0x00B1, 0x00B1, nullptr}, {2, 0x00D7, 0x00D7, nullptr}, {3, 0x00F7, 0x00F7, nullptr},
    {4, 0x00B5, 0x00B5, nullptr}, {5, 0x0025, 0x0025, nullptr}, {6, 0x2030, 0x2030, nullptr},
    {7, 0x2031, 0x2031, nullptr}, {8, 0x00B0, 0x00B0, nullptr}, {9, 0x203B, 0x203B, nullptr},
    {21, 0x00BD, 0x00BD, nullptr}, {22, 0x2153, 0x2153, nullptr}, {23, 0x2154, 0x2154, nullptr},
    {24, 0x00BC, 0x00BC, nullptr}, {25, 0x00BE, 0x00BE, nullptr}, {26, 0x2155, 0x215A, nullptr},
    {32, 0x2150, 0x2150, nullptr}, {33, 0x215B, 0x215E, nullptr}, {37, 0x2151, 0x2151, nullptr},
    {38, 0x2152, 0x2152, nullptr}, {39, 0x215F, 0x215F, nullptr}, {40, 0x2189, 0x2189, nullptr},
    {61, 0x00B9, 0x00B9, nullptr}, {62, 0x00B2, 0x00B2, nullptr}, {63, 0x00B3, 0x00B3, nullptr},
    {64, 0x2074, 0x2079, nullptr}, {70, 0x2070, 0x2070, nullptr}, {71, 0x207A, 0x207E, nullptr},
    {76, 0x2071, 0x2071, nullptr}, {77, 0x207F, 0x207F, nullptr}, {78, 0x00AA, 0x00AA, nullptr},
    {79, 0x00BA, 0x00BA, nullptr}, {81, 0x2081, 0x2089, nullptr}, {90, 0x2080, 0x2080, nullptr},
    {91, 0x208A, 0x208E, nullptr}, {96, 0x2090, 0x2094, nullptr},
};
constexpr SymbolLibraryRun kArrowsRuns[] = {
    {1, 0x2190, 0x21F3, nullptr},
};
constexpr SymbolLibraryRun kGeometricShapesRuns[] = {
    {1, 0x25A0, 0x25FF, nullptr},
};
constexpr SymbolLibraryRun kCurrencyRuns[] = {
    {1, 0x0024, 0x0024, nullptr}, {2, 0x00A2, 0x00A5, nullptr}, {6, 0x20AC, 0x20AC, nullptr},
    {7, 0x20A9, 0x20A9, nullptr}, {8, 0x20A0, 0x20A8, nullptr}, {17, 0x20AA, 0x20AA, nullptr},
    {18, 0x20AB, 0x20AB, nullptr}, {19, 0x20AD, 0x20B8, nullptr}, {31, 0x0E3F, 0x0E3F, nullptr},
    {41, 0x00A9, 0x00A9, nullptr}, {42, 0x00AE, 0x00AE, nullptr}, {81, 0xFF04, 0xFF04, nullptr},
    {82, 0xFFE0, 0xFFE0, nullptr}, {83, 0xFFE1, 0xFFE1, nullptr}, {85, 0xFFE5, 0xFFE5, nullptr},
    {87, 0xFFE6, 0xFFE6, nullptr},
};

} // namespace

std::span<const SymbolLibraryPageSource> symbolLibraryPageSources()
{
    static constexpr SymbolLibraryPageSource sources[] = {
        {SymbolLibraryPageId::Punc,
         "Punc",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "句読点"), false,
         SymbolLibraryNameSource::None, kPuncRuns, {}},
        {SymbolLibraryPageId::Latin,
         "Latin",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "ラテン基礎"), false,
         SymbolLibraryNameSource::None, kLatinRuns, {}},
        {SymbolLibraryPageId::Cmb1,
         "Cmb1",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "組合せ記号1"), false,
         SymbolLibraryNameSource::None, kCmb1Runs, {}},
        {SymbolLibraryPageId::Cmb2,
         "Cmb2",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "組合せ記号2"), false,
         SymbolLibraryNameSource::None, kCmb2Runs, {}},
        {SymbolLibraryPageId::Russ,
         "Russ",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "ロシア語"), true,
         SymbolLibraryNameSource::Russian, kRussRuns, {}},
        {SymbolLibraryPageId::Ukra,
         "Ukra",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "ウクライナ語"), true,
         SymbolLibraryNameSource::Ukrainian, kUkraRuns, kUkraRed},
        {SymbolLibraryPageId::Gre1,
         "Gre1",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "現代ギリシア語"), true,
         SymbolLibraryNameSource::Greek, kGre1Runs, {}},
        {SymbolLibraryPageId::Bela,
         "Bela",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "ベラルーシ語"), false,
         SymbolLibraryNameSource::Belarusian, kBelaRuns, kBelaRed},
        {SymbolLibraryPageId::Cyr1,
         "Cyr1",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "キリル１"), false,
         SymbolLibraryNameSource::None, kCyr1Runs, {}},
        {SymbolLibraryPageId::Cyr2,
         "Cyr2",
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "キリル２"), false,
         SymbolLibraryNameSource::None, kCyr2Runs, {}},
        {SymbolLibraryPageId::Library,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "記号ライブラリ"),
         nullptr, false,
         SymbolLibraryNameSource::None, {}, {}},
        {SymbolLibraryPageId::Bulgarian,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "ブルガリア語"),
         nullptr, false,
         SymbolLibraryNameSource::Bulgarian, kBulgarianRuns, {}},
        {SymbolLibraryPageId::Macedonian,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "マケドニア語"),
         nullptr, false,
         SymbolLibraryNameSource::Macedonian, kMacedonianRuns, kMacedonianRed},
        {SymbolLibraryPageId::Serbian,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "セルビア語"),
         nullptr, false,
         SymbolLibraryNameSource::Serbian, kSerbianRuns, kSerbianRed},
        {SymbolLibraryPageId::Polish,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "ポーランド語"),
         nullptr, false,
         SymbolLibraryNameSource::None, kPolishRuns, kPolishRed},
        {SymbolLibraryPageId::Czech,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "チェコ語"),
         nullptr, false,
         SymbolLibraryNameSource::None, kCzechRuns, kCzechRed},
        {SymbolLibraryPageId::Slovak,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "スロバキア語"),
         nullptr, false,
         SymbolLibraryNameSource::None, kSlovakRuns, kSlovakRed},
        {SymbolLibraryPageId::Slovenian,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "スロヴェニア語"),
         nullptr, false,
         SymbolLibraryNameSource::None, kSlovenianRuns, kSlovenianRed},
        {SymbolLibraryPageId::LatinSupplement1,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "ラテン補足Ⅰ"),
         nullptr, false,
         SymbolLibraryNameSource::None, kLatinSupplement1Runs, {}},
        {SymbolLibraryPageId::Arithmetic,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "算数記号"),
         nullptr, false,
         SymbolLibraryNameSource::None, kArithmeticRuns, {}},
        {SymbolLibraryPageId::Arrows,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "矢印"),
         nullptr, false,
         SymbolLibraryNameSource::None, kArrowsRuns, {}},
        {SymbolLibraryPageId::GeometricShapes,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "幾何学図形"),
         nullptr, false,
         SymbolLibraryNameSource::None, kGeometricShapesRuns, {}},
        {SymbolLibraryPageId::Currency,
         QT_TRANSLATE_NOOP("pelinor::core::SymbolLibraryPages", "通貨記号"),
         nullptr, false,
         SymbolLibraryNameSource::None, kCurrencyRuns, {}},
    };
    return sources;
}

} // namespace pelinor::core
