// zeftctl: the main window's device work and the calculators' arithmetic from a shell.
#include "cli/CalcCommands.h"
#include "cli/ChartCommand.h"
#include "cli/ConsoleCodePage.h"
#include "cli/DeviceCommands.h"
#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"
#include "cli/PortsCommand.h"
#include "cli/TableCommand.h"

#include "ZeftVersion.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <CLI/CLI.hpp>

#include <string>

namespace {

using namespace zeft;
using namespace zeft::cli;

void AddLineOptions(CLI::App& command, DeviceCommandOptions& options) {
    command
        .add_option("--port", options.port,
                    "serial port: " + std::string(PortNameExample()) + ", or \"" + std::string(kVirtualSenderPortName) +
                        "\"")
        ->required();
    command.add_option("--baud", options.line.baudRate, "baud rate")->default_val(9600)->check(CLI::PositiveNumber);
    command.add_option("--data-bits", options.line.dataBits, "data bits")->default_val(8)->check(CLI::Range(5, 8));
    command.add_option("--parity", options.line.parity, "parity")
        ->default_val("none")
        ->check(CLI::IsMember(ParityWords()));
    command.add_option("--stop-bits", options.line.stopBits, "stop bits")
        ->default_val("1")
        ->check(CLI::IsMember(StopBitsWords()));
}

void AddReportOptions(CLI::App& command, DeviceCommandOptions& options) {
    command.add_flag("--json", options.json, "print one JSON object instead of text");
    command.add_option_function<std::string>(
        "--save", [&options](const std::string& file) { options.saveFile = file; },
        "after success, save the settings to this .zcf file");
}

void AddTableOptions(CLI::App& command, TableEditTexts& texts, const char* what) {
    const std::string unit = what;
    command.add_option("--full", texts[0], unit + " when full")->required();
    command.add_option("--at80", texts[1], unit + " at 80 %")->required();
    command.add_option("--at60", texts[2], unit + " at 60 %")->required();
    command.add_option("--at40", texts[3], unit + " at 40 %")->required();
    command.add_option("--at20", texts[4], unit + " at 20 %")->required();
}

} // namespace

int main(int argc, char** argv) {
    const ConsoleCodePage codePage;
    CLI::App app{"zeftctl: reads, programs and restores ZEFT tank level senders, and computes their "
                 "linearisation levels"};
    app.name("zeftctl"); // in the usage lines, rather than the path it was started by
    app.set_version_flag("--version", std::string("zeftctl ") + ZEFT_VERSION_TEXT);
    app.require_subcommand(1);

    CLI::App* ports = app.add_subcommand("ports", "list the serial ports, as the Communication Settings dialog does");
    bool portsJson = false;
    ports->add_flag("--json", portsJson, "print a JSON array of the ports with what each one is");

    DeviceCommandOptions device;
    CLI::App* read = app.add_subcommand("read", "Read Device: show the sender's settings");
    AddLineOptions(*read, device);
    AddReportOptions(*read, device);
    CLI::App* restore = app.add_subcommand("restore", "Restore Default: return the sender to its default settings");
    AddLineOptions(*restore, device);
    AddReportOptions(*restore, device);

    ProgramSettings settings;
    CLI::App* program = app.add_subcommand("program", "Program Device: write the settings into the sender");
    AddLineOptions(*program, device);
    AddReportOptions(*program, device);
    program->add_option_function<std::string>(
        "--config", [&settings](const std::string& text) { settings.configFile = text; },
        "start from the settings of this .zcf file");
    program->add_option_function<std::string>(
        "--output-type", [&settings](const std::string& text) { settings.outputType = text; },
        "output type code: 0, 1, 2 or 4");
    program->add_option_function<std::string>(
        "--fluid", [&settings](const std::string& text) { settings.fluidType = text; }, "fluid type code: 0 to 3");
    program->add_option_function<std::string>(
        "--top", [&settings](const std::string& text) { settings.topLimit = text; },
        "top limit in millimetres, as typed");
    program->add_option_function<std::string>(
        "--bottom", [&settings](const std::string& text) { settings.bottomLimit = text; },
        "bottom limit in millimetres, as typed");
    program->add_option_function<std::string>(
        "--level-a", [&settings](const std::string& text) { settings.levels[0] = text; },
        "level A in percent, as typed");
    program->add_option_function<std::string>(
        "--level-b", [&settings](const std::string& text) { settings.levels[1] = text; },
        "level B in percent, as typed");
    program->add_option_function<std::string>(
        "--level-c", [&settings](const std::string& text) { settings.levels[2] = text; },
        "level C in percent, as typed");
    program->add_option_function<std::string>(
        "--level-d", [&settings](const std::string& text) { settings.levels[3] = text; },
        "level D in percent, as typed");
    program->add_flag("--yes", device.answerYes, "answer Yes to the top-limit question");

    int powerSeconds = 0;
    CLI::App* power = app.add_subcommand("power", "battery test: power the programming interface");
    AddLineOptions(*power, device);
    power->add_option("--seconds", powerSeconds, "switch off after this many seconds")->check(CLI::PositiveNumber);

    CLI::App* calc = app.add_subcommand("calc", "the calculators");
    calc->require_subcommand(1);
    bool json = false;
    bool inchUnit = false;

    ShapeOptions shapeOptions;
    ShapeEditTexts shapeTexts;
    CLI::App* shape = calc->add_subcommand("shape", "levels from the tank's shape and dimensions");
    AddShapeDimensionOptions(*shape, shapeOptions, shapeTexts);
    shape->add_flag("--reserve", shapeOptions.reserve, "10% reserve");
    shape->add_flag("--json", json, "print one JSON object");

    TableEditTexts volumes;
    std::string height;
    CLI::App* volume = calc->add_subcommand("volume", "levels from the volumes at 20 to 80 % of the height");
    AddTableOptions(*volume, volumes, "volume");
    volume->add_option("--height", height, "tank height H")->required();
    volume->add_flag("--inch", inchUnit, "height in inches");
    volume->add_flag("--json", json, "print one JSON object");

    TableEditTexts heights;
    CLI::App* heightCommand = calc->add_subcommand("height", "levels from the heights at 20 to 80 % of the volume");
    AddTableOptions(*heightCommand, heights, "height");
    heightCommand->add_flag("--inch", inchUnit, "heights in inches");
    heightCommand->add_flag("--json", json, "print one JSON object");

    ChartCommand chart(*calc);

    MeasuredTableOptions tableOptions;
    CLI::App* table = calc->add_subcommand("table", "levels from a measured table of heights and volumes");
    AddMeasuredTableOptions(*table, tableOptions);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? kExitSuccess : kExitInvalidInput;
    }
    device.port = PortNameFromInput(device.port);

    // The virtual sender is always there, so the tool can be tried without hardware.
    RegisterVirtualSenderPort();

    if (*ports) {
        return RunPortsCommand(portsJson);
    }
    if (*read) {
        return RunDeviceCommand(ExchangeOperation::ReadDevice, device, nullptr);
    }
    if (*restore) {
        return RunDeviceCommand(ExchangeOperation::RestoreDefault, device, nullptr);
    }
    if (*program) {
        return RunDeviceCommand(ExchangeOperation::ProgramDevice, device, &settings);
    }
    if (*power) {
        return RunPowerCommand(device, powerSeconds);
    }
    if (*shape) {
        return RunShapeCalculation(shapeOptions, shapeTexts, json);
    }
    if (chart.Chosen()) {
        return chart.Run();
    }
    if (*table) {
        return RunMeasuredTableCommand(tableOptions);
    }
    if (*volume) {
        return RunVolumeCalculation(volumes, height, inchUnit, json);
    }
    return RunHeightCalculation(heights, inchUnit, json);
}
