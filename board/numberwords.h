#pragma once

#include <QString>

namespace getalveld {

// Dutch number words, written out in lower case as the exercises show them.
QString numberWord(int n);    // 0 to 99: "nul" ... "negenennegentig"
QString remainderWord(int r); // 0 to 100: the part after the hundreds, "en vijf", "dertien", "honderd"
QString hundredsWord(int h);  // 0 to 9: "", "honderd", "tweehonderd" ...

} // namespace getalveld
