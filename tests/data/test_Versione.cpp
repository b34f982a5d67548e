#include "data/Versione.h"

#include "data/StatoHome.h"
#include "support/FintaPiattaforma.h"

#include <gtest/gtest.h>

namespace zelvano {
namespace {

// The build writes the version and the date from CMake's project version and release day;
// the windows must show them as users know them: two digits for each part of the version,
// the date day/month/year.
TEST(Versione, TheWindowsShowTheProjectVersionAsTwoDigitPartsAndTheDateDayFirst) {
    test::FintaPiattaforma pf;
    const StatoHome h(pf);
    EXPECT_EQ(h.NomeProgramma, "Zelvano");
    EXPECT_EQ(h.VersioneProgramma, "01.00.00");
    EXPECT_EQ(h.DataRilascio, "15/10/2010");
}

} // namespace
} // namespace zelvano
