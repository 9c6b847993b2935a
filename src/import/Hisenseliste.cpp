#include "import/Hisenseliste.h"

namespace senvio {

bool IstHisenseDatenbank(const Sqlitebild&) {
    return false;
}

ImportFund LeseHisenseDatenbank(const Sqlitebild&) {
    return {};
}

} // namespace senvio
