#include "files/fleet_plan.h"
#include "model/configuration_check.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace klt {
namespace {

// A new configuration as the program starts with it, with one station.
struct Base {
    Configuration config;
    explicit Base(Model model = Model::Tq500) {
        const test::TestProgram program(static_cast<int>(model), model == Model::Tq500);
        config = program.ctx.Config;
        config.Individual[0] = {true, "PILOT", "2111234560", {}};
        EXPECT_EQ(CheckConfiguration(config, model, model == Model::Tq500), std::vector<std::string>{});
    }
};

TEST(FleetPlan, EachRadioGetsTheBaseWithItsIdentityAndNames) {
    const Base base;
    const FleetPlan plan = ReadFleetPlan("Port,Name,UserMMSI,AtisCode,Station Name 1,CH Name USA 16\r\n"
                                         "/dev/ttyUSB0,BOAT 1,211000001,9211000001,HARBOUR,\r\n"
                                         "COM5,,211000002,9211000002,,CALL ME\r\n",
                                         base.config, Model::Tq500, true);
    ASSERT_FALSE(plan.problem) << *plan.problem;
    ASSERT_EQ(plan.radios.size(), 2u);
    EXPECT_EQ(plan.radios[0].line, 2);
    EXPECT_EQ(plan.radios[1].name, "COM5"); // a row without a label is known by its port

    const Configuration first = FleetRadioConfiguration(base.config, plan.radios[0]);
    EXPECT_EQ(first.DscBasic.UserMmsi, "2110000010");
    EXPECT_EQ(first.Atis.AtisCode, "9211000001");
    EXPECT_EQ(first.Individual[0].TagName, "HARBOUR");
    EXPECT_EQ(first.Individual[0].Mmsid, "2111234560");

    Configuration second = FleetRadioConfiguration(base.config, plan.radios[1]);
    EXPECT_EQ(second.Individual[0].TagName, "PILOT");
    const auto sixteen = std::find_if(second.Usa.begin(), second.Usa.end(), [](const ChannelRecord &channel) {
        return channel.ChTag == "CALL ME";
    });
    ASSERT_NE(sixteen, second.Usa.end());
    // Nothing else differs from the base.
    sixteen->ChTag = PlanTable(base.config, 0)[static_cast<std::size_t>(sixteen - second.Usa.begin())].ChTag;
    second.DscBasic.UserMmsi = base.config.DscBasic.UserMmsi;
    second.Atis.AtisCode = base.config.Atis.AtisCode;
    EXPECT_EQ(second, base.config);
}

TEST(FleetPlan, ABadPlanNamesItsFirstBadRowAndGivesNoRadio) {
    const Base base;
    const std::string header = "Port,Name,UserMMSI,AtisCode\r\n";
    const std::string good = "/dev/ttyUSB0,BOAT 1,211000001,9211000001\r\n";
    const struct {
        std::string plan;
        std::string problem;
    } cases[] = {
        {header + good + "/dev/ttyUSB1,BOAT 2,21100000,\r\n", "line 3: UserMMSI: 9 digits expected"},
        {header + good + "/dev/ttyUSB1,BOAT 2,002110000,\r\n", "line 3: UserMMSI: "},
        {header + good + "/dev/ttyUSB1,BOAT 2,211000001,9211000009\r\n",
         "line 3 (BOAT 2): the MMSI 211000001 is BOAT 1's already (line 2)"},
        {header + good + "/dev/ttyUSB0,BOAT 2,211000002,9211000002\r\n",
         "line 3 (BOAT 2): the port /dev/ttyUSB0 is BOAT 1's already (line 2)"},
        {header + good + "/dev/ttyUSB1,BOAT 2,211000002,9211000001\r\n",
         "the ATIS code 9211000001 is BOAT 1's"},
        {header + good + "/dev/ttyUSB1,BOAT 2,211000002,92110\r\n", "line 3: AtisCode: 10 digits expected"},
        {header + ",BOAT 2,211000002,\r\n", "line 2: Port: a device or COMn expected"},
        {header + good + "/dev/ttyUSB1,BOAT 2,211000002,9211000002,EXTRA\r\n", "line 3: more fields"},
        {header + good + "/dev/ttyUSB1,BOAT 1,211000002,9211000002\r\n",
         "line 3 (BOAT 1): the name BOAT 1 is BOAT 1's already (line 2)"},
        {"Name,UserMMSI\r\nBOAT 1,211000001\r\n", "line 1: the column Port is missing"},
        {"Port,UserMMSI,Colour\r\n", "line 1: column Colour: Port, Name, UserMMSI"},
        {"Port,UserMMSI,Port\r\n", "line 1: the column Port comes twice"},
        {"Port,UserMMSI,Station Name 2\r\n", "the base configuration has no station in entry 2"},
        {"Port,UserMMSI,Station Name 81\r\n", "an entry from 1 to 80 expected"},
        {"Port,UserMMSI,CH Name USA 99X\r\n", "group USA has no channel 99X"},
        {"Port,UserMMSI,CH Name EU 16\r\n", "\"CH Name USA|INT|CAN CH\" expected"},
        {"Port,UserMMSI,Station Name 1\r\nCOM1,211000001,A NAME TOO LONG\r\n",
         "line 2: Station Name 1: at most 11 characters"},
        {"Port,UserMMSI\r\n", "the plan names no radio"},
        {"", "the plan is empty"},
        {"Port,UserMMSI\r\n\"COM1,211000001\r\n", "line 2: a quoted field is not closed"},
    };
    for (const auto &each : cases) {
        const FleetPlan plan = ReadFleetPlan(each.plan, base.config, Model::Tq500, true);
        ASSERT_TRUE(plan.problem) << each.plan;
        EXPECT_NE(plan.problem->find(each.problem), std::string::npos) << *plan.problem << "\n" << each.plan;
        EXPECT_TRUE(plan.radios.empty());
    }
}

// What spreadsheets add: empty columns at the end of every line, spaces around a cell.
TEST(FleetPlan, EmptyTrailingColumnsAndSpacesAroundCellsAreASpreadsheetsNotThePlans) {
    const Base base;
    const auto plan = ReadFleetPlan("Port,Name,UserMMSI,,\r\n /dev/ttyUSB0 , BOAT 1 , 211000001 ,,\r\n",
                                    base.config, Model::Tq500, true);
    ASSERT_FALSE(plan.problem) << *plan.problem;
    EXPECT_EQ(plan.radios[0].port, "/dev/ttyUSB0");
    EXPECT_EQ(plan.radios[0].name, "BOAT 1");
    EXPECT_EQ(plan.radios[0].userMmsi, "2110000010");
}

TEST(FleetPlan, AtisCodesOnlyWhereTheModelHasThemAndNeverTheBasesForTwoRadios) {
    const Base plain(Model::Tq300);
    EXPECT_EQ(*ReadFleetPlan("Port,UserMMSI,AtisCode\r\nCOM1,211000001,9211000001\r\n", plain.config,
                             Model::Tq300, false)
                   .problem,
              "line 2: AtisCode: this model has no ATIS here");
    EXPECT_FALSE(
        ReadFleetPlan("Port,UserMMSI,AtisCode\r\nCOM1,211000001,\r\n", plain.config, Model::Tq300, false)
            .problem);

    Base atis;
    atis.config.Atis.AtisCode = "9211999999";
    const auto plan = ReadFleetPlan("Port,UserMMSI\r\nCOM1,211000001\r\nCOM2,211000002\r\n", atis.config,
                                    Model::Tq500, true);
    ASSERT_TRUE(plan.problem);
    EXPECT_NE(plan.problem->find("the ATIS code 9211999999 is COM1's already"), std::string::npos)
        << *plan.problem;
}

TEST(FleetPlan, AnInventoryNeedsPortsOnlyAndChecksNoConfiguration) {
    Base base;
    base.config.Individual[1] = {true, "", "12", {}}; // what the radios would get is no inventory's concern
    const auto plan =
        ReadFleetPlan("Port,Name\r\nCOM1,A\r\nCOM2,B\r\n", base.config, Model::Tq500, true, true);
    ASSERT_FALSE(plan.problem) << *plan.problem;
    EXPECT_EQ(plan.radios.size(), 2u);
    EXPECT_EQ(
        *ReadFleetPlan("Port,Name\r\nCOM1,A\r\nCOM1,B\r\n", base.config, Model::Tq500, true, true).problem,
        "line 3 (B): the port COM1 is A's already (line 2)");
    EXPECT_EQ(*ReadFleetPlan("Port,UserMMSI\r\nCOM1,2110\r\n", base.config, Model::Tq500, true, true).problem,
              "line 2: UserMMSI: 9 digits expected");
}

TEST(FleetPlan, ABaseTheRadioWouldNotTakeIsRefusedFirst) {
    Base base;
    base.config.Individual[1] = {true, "", "12", {}};
    const auto plan = ReadFleetPlan("Port,UserMMSI\r\nCOM1,211000001\r\n", base.config, Model::Tq500, true);
    ASSERT_TRUE(plan.problem);
    EXPECT_EQ(plan.problem->rfind("the base configuration: ", 0), 0u) << *plan.problem;
}

} // namespace
} // namespace klt
