// The Windows port doctor on the machine it runs on (Wine in CI): a port asked for by name
// that does not open is missing, an error.
#include "serial/PortDoctor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeft {
namespace {

TEST(Win32PortDoctorTest, APortThatIsNotThereIsMissing) {
    const std::vector<PortFinding> findings = DiagnosePorts("COM250");
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings[0].id, "missing-port");
    EXPECT_EQ(findings[0].port, "COM250");
    EXPECT_TRUE(HasErrorFinding(findings));
}

} // namespace
} // namespace zeft
