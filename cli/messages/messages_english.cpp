// ntc-beta-cli: the message catalogue in English.
#include "cli/messages/messages_catalogue.h"

namespace cli::catalogue {

const Messages english{
    .program = "The B constant of an NTC thermistor from two readings, the Steinhart-Hart coefficients from "
               "three, fits through a datasheet's R/T table, R/T and ADC tables from any model, the choice of the "
               "fixed resistor, the error budget of a reading, and the settings Klipper, RepRapFirmware and ESPHome take.",
    .helpFlag = "Print this help and exit",
    .versionFlag = "Print the version and exit",
    .optionsGroup = "Options",
    .commandsGroup = "Commands",
    .modelGroup = "Model",
    .tableFileGroup = "Reading the table file",
    .usageLabel = "Usage",
    .optionsLabel = "OPTIONS",
    .commandLabel = "COMMAND",
    .positionalsLabel = "Arguments",
    .requiredLabel = "REQUIRED",
    .footer = "Numbers use the period: 4.7k, not 4,7k or the resistor marking 4k7. A lower-case k is kilo, so a "
              "temperature with one is refused: kelvin is K.\n"
              "Refused (exit status 1): a resistance or R0 of 0 or less; a temperature at or below 0 K; equal "
              "temperatures; a B of 0 or less (typed, measured from two readings or fitted: an NTC's resistance "
              "falls as it warms, so equal resistances are refused too); an R/T table with a temperature twice or "
              "a resistance that does not fall as the temperature rises, each row named by its line.\n"
              "Warned about, the result still printed (exit status 3): a temperature, given or computed, outside "
              "{} °C to {} °C; a B outside {} K to {} K; temperatures without a unit that all end in .15, as "
              "kelvin do; Steinhart-Hart coefficients no thermistor has; a table row far off the curve through "
              "the other rows.\n"
              "Exit status: 0 success, 1 a value refused or a computation failed, 2 usage error or a value that "
              "cannot be read, 3 done with warnings. Every good value is printed and every bad one named; in a "
              "CSV batch a refused or unreadable row keeps its cells with b and b_name empty, and the exit status "
              "counts every row.",
    .commandFooter = "Exit status: 0 success, 1 a value refused or a computation failed, 2 usage error, 3 done "
                     "with warnings. The rules every command applies: ntc-beta-cli --help",
    .betaCommand = "B = ln(R1/R2) / (1/T1 - 1/T2) from R1 at T1 and R2 at T2, or for every row of a CSV file",
    .betaValues = "R1 T1 R2 T2: resistances (10000, 10k, 4.7M, 680Ω) and temperatures (25, 25°C, 298.15K, 77°F)",
    .csvOption = "CSV file with columns r1, t1, r2, t2 in any order ('-' for standard input); written to "
                 "standard output with b and b_name in the two columns after the header's last (a short row is "
                 "filled up with empty cells, a long row's extra cells move after b_name, a row read with a stray "
                 "quote is written back quoted)",
    .kelvinOption = "Temperatures without a unit are kelvin (default: °C)",
    .steinhartCommand = "Steinhart-Hart A, B, C (1/T = A + B ln R + C (ln R)^3) through three points, "
                        "and the B between each pair",
    .steinhartValues = "R1 T1 R2 T2 R3 T3, in any order",
    .tableCommand = "R/T table from a model: temperature (°C), resistance (Ω) and alpha (%/K) per row",
    .fromOption = "First temperature (default -40 °C)",
    .toOption = "Last temperature (default 125 °C)",
    .stepOption = "Step in kelvin (default 5)",
    .tableFormatOption = "Output: csv (default), markdown, c (a C header for firmware), or the model for klipper, "
                         "reprap or esphome",
    .tableNameOption = "C identifier of the array (default ntc_rt_table), or the name the firmware shows",
    .temperatureCommand = "The temperature at each resistance, from a model",
    .temperatureValues = "Resistances (10k, 4.7M, 680Ω)",
    .resistanceCommand = "The resistance at each temperature, from a model",
    .resistanceValues = "Temperatures (25, 25°C, 298.15K, 77°F)",
    .adcCommand = "ADC table for a thermistor in a divider: per temperature step (or per ADC code) the count, "
                  "°C, Ω, volts and °C per count, sorted by count",
    .pullUpOption = "Fixed resistor from the supply to the ADC input, thermistor to ground",
    .pullDownOption = "Fixed resistor from the ADC input to ground, thermistor to the supply",
    .bitsOption = "ADC resolution in bits (1 to 16)",
    .fullScaleOption = "What the ADC's full scale stands for: 2^N (default: RepRapFirmware, ESPHome, Marlin's "
                       "table script) or 2^N-1 (Klipper, Marlin's older tables)",
    .seriesOption = "Resistor in series with the thermistor",
    .parallelOption = "Resistor across the thermistor (and its series resistor)",
    .supplyOption = "Divider supply in volts (default 3.3)",
    .vrefOption = "ADC reference in volts (default: the supply, ratiometric)",
    .everyCountOption = "One row per ADC code whose temperature lies within --from .. --to",
    .adcFormatOption = "Output: csv (default), c (a C header for firmware), marlin (Marlin's temptable, 10 bits), "
                       "or the model and circuit for klipper, reprap or esphome",
    .adcNameOption = "C identifier of the array (default ntc_adc_table; temptable_998 for marlin), or the name the "
                     "firmware shows",
    .cTypeOption = "Temperatures in C: x10 (int16_t, °C x 10; default), x100, int (whole °C) or float",
    .fahrenheitOption = "A °F column beside the °C one",
    .fitCommand = "Least-squares fit of a model through an R/T table (CSV: temperature_c,resistance_ohm, or a "
                  "datasheet's headers such as T(°C),R(kΩ)), with each row's error in kelvin; the table is checked "
                  "row by row first",
    .fitFile = "CSV file ('-' for standard input); lines starting with # before the header are notes",
    .fitFromOption = "Fit the rows from this temperature on (default: the whole table)",
    .fitToOption = "Fit the rows up to this temperature (default: the whole table)",
    .r25Option = "Beta model: the resistance at 25 °C",
    .r0Option = "Beta model: the resistance at --t0; with --fit and --model beta, the R0 the fit keeps (the "
                "datasheet's R25) while it fits B alone",
    .t0Option = "Where R0 holds (default 25 °C)",
    .betaOption = "Beta model: B in kelvin",
    .betaPairOption = "The two temperatures in °C the B was measured between: 25/85 for B25/85",
    .steinhartOption = "Steinhart-Hart model: A B C (four terms: --steinhart4)",
    .steinhartOrFourOption = "Steinhart-Hart model: A B C, or A B C D with D for the (ln R)^2 term",
    .steinhart4Option = "Four-term Steinhart-Hart model, 1/T = A + B ln R + D (ln R)^2 + C (ln R)^3: "
                        "A B C D as fit --model steinhart4 prints them",
    .fitOption = "Fit --model through this R/T table (CSV) and use the fit",
    .modelOption = "steinhart (default: 1, ln R, (ln R)^3), steinhart4 (adds (ln R)^2) or beta",
    .delimiterOption = "CSV field separator, read and written: ',' (default), ';' or tab",
    .decimalCommaOption = "Numbers with a decimal comma, read and written (fields apart by ';' unless --delimiter)",
    .encodingOption = "Encoding of the file read: utf-8 (default) or gb18030 (Chinese Excel's CSV; a batch is "
                      "written back in it)",
    .columnOption = "A column under another name: COLUMN=NAME, e.g. temperature_c=Temp or r1=R25 (repeatable)",
    .namedValue = "{} '{}'",
    .quotedValue = "'{}'",
    .afterName = ": ",
    .cutValue = "{}… ({} bytes)",
    .listSeparator = ", ",
    .expectedResistance = "expected a resistance such as 10000, 10k, 4.7M or 680Ω",
    .expectedTemperature = "expected a temperature such as 25, 25°C, 298.15K or 77°F",
    .expectedNumber = "expected a plain number such as 3435 or 1.5e-7",
    .expectedFormat = "expected csv, markdown, c, klipper, reprap or esphome",
    .beyondRange = "the number lies beyond the range of a double",
    .kiloOnTemperature = "a lower-case k after a temperature is kilo, not kelvin; write kelvin as K (298.15K)",
    .writeMarking = "write {} (resistor markings such as 4k7 are not read)",
    .windowOrder = "the values look like R1 R2 T1 T2, the window's order; beta takes R1 T1 R2 T2: "
                   "ntc-beta-cli beta {}",
    .betaNeedsValues = "beta: give four values R1 T1 R2 T2, or --csv FILE",
    .steinhartNeedsValues = "steinhart: give six values R1 T1 R2 T2 R3 T3",
    .temperatureNeedsValues = "temperature: give at least one resistance",
    .resistanceNeedsValues = "resistance: give at least one temperature",
    .modelNeeded = "give one model: --r25, or --r0 (with --t0), and --beta; --steinhart A B C; "
                   "--steinhart4 A B C D; or --fit FILE",
    .fourthCoefficient = "'{}' after --steinhart's three values looks like a fourth coefficient, not a reading: "
                         "write the four-term curve as --steinhart4 A B C D",
    .r0WithFit = "--r0 with --fit keeps the R0 of a beta fit: give --model beta too",
    .noRange = "--from, --to and --step give no table: the step must be above 0, --from not above --to, "
               "at most 100000 rows",
    .runHelp = "Run with --help for more information.",
    .errorPrefix = "ntc-beta-cli: ",
    .warningPrefix = "ntc-beta-cli: warning: ",
    .commandNeeded = "give a command: {}",
    .unknownCommand = "unknown command '{}'; the commands are {}",
    .unexpectedArguments = "unexpected argument: {}",
    .valueMissing = "{}: the option's value is missing",
    .badOptionValue = "{}: the option's value cannot be read",
    .unreadableCommandLine = "the command line cannot be read",
    .dividerNeeded = "give one of --pull-up R or --pull-down R, and --bits N",
    .badDivider = "the divider makes no circuit: resistors above 0, 1 to 16 bits, voltages above 0",
    .expectedPair = "two temperatures in °C such as 25/85",
    .notIdentifier = "a C identifier such as ntc_adc_table",
    .badDelimiter = "--delimiter: expected ',', ';' or tab",
    .commaClash = "--decimal-comma needs a field separator other than ','",
    .badColumn = "expected COLUMN=NAME, COLUMN one of {}",
    .notGb18030 = "the input is not GB18030 text",
    .noRows = "no ADC code falls within the range",
    .marlinBits = "--format marlin: Marlin's tables hold 10-bit counts whatever the board's ADC (Marlin scales "
                  "them to it, THERMISTOR_TABLE_SCALE): give --bits 10",
    .resistanceNotPositive = "a thermistor's resistance is above 0 Ω",
    .betaNotPositive = "B must be above 0 K: an NTC's resistance falls as it warms",
    .measuredBNotPositive = "B = {} K is not above 0: the resistance does not fall as the temperature rises, "
                            "as an NTC's does (are R1 and R2, or T1 and T2, swapped?)",
    .equalResistancesB = "the two resistances are equal, so B would be 0 K: an NTC's resistance falls as it warms",
    .notFalling = "the resistances do not fall as the temperature rises, as an NTC's do",
    .outsideUse = "{} °C lies outside -100 °C to 500 °C, where thermistors are used",
    .shBNotPositive = "Steinhart-Hart B <= 0: the curve does not fall as a thermistor's does",
    .cNegative = "C < 0: the curve is no thermistor's beyond these points",
    .bOutsideNtc = "{} = {} K lies outside {} K to {} K, where NTC thermistors' B values lie: check the values, "
                   "their order and their units",
    .readAsCelsius = "{}: read as °C for want of a unit, yet ending in .15 as kelvin values do; if kelvin is "
                     "meant, add --kelvin or write the unit (298.15K)",
    .cannotOpen = "cannot open {}",
    .isFolder = "{} is a folder, not a file",
    .cannotReadNamed = "reading {} failed",
    .cannotWrite = "cannot write the output",
    .emptyInput = "{} is empty; expected a header naming {}",
    .emptyTable = "the table holds no rows",
    .headerLacks = "the header names no column {}",
    .tableHeaderLacks = "the table's header names no column {} (nor one such as {}); it holds {}: name the column "
                        "with --column {}=NAME",
    .unknownColumnUnit = "the column {} names a unit this program does not read; expected {}",
    .rowLacks = "the row has no field {}",
    .scaledCell = "the column {} gives the unit: write the number alone",
    .strayQuote = "the quote that opens field {} does not close on its line: read as a plain character",
    .extraFields = "the row has {} fields, the header {}: the extra ones are moved after b_name",
    .line = "line {}: ",
    .rowMessagesCut = "messages about further rows are left out; the counts below cover every row",
    .rowsFailed = "rows that could not be computed (their b is empty): {}, the first on line {}",
    .rowsWarned = "rows computed with a warning: {}",
    .utf16 = "{} is UTF-16 text (Excel's \u201cUnicode text\u201d), not UTF-8. Save it as \u201cCSV UTF-8\u201d, "
             "or convert it: iconv -f UTF-16 -t UTF-8 {} > utf8.csv",
    .semicolons = "the columns of {} are apart by semicolons, as Excel writes CSV under many European "
                  "locales (with decimal commas). Read it with --delimiter ';' --decimal-comma, save it with commas, "
                  "or convert it: sed -e 's/,/./g' -e 's/;/,/g' {} > comma.csv",
    .tabs = "the columns of {} are apart by tabs. Read it with --delimiter tab, save it as CSV, or convert it: "
            "tr '\\t' ',' < {} > comma.csv",
    .gb18030 = "line {} is not UTF-8; it looks like GB18030 (GBK), Chinese Excel's default for CSV. "
               "Read it with --encoding gb18030, save it as \u201cCSV UTF-8\u201d, or convert it: "
               "iconv -f GB18030 -t UTF-8 {} > utf8.csv",
    .notUtf8 = "line {} is not UTF-8 text. Save it as \u201cCSV UTF-8\u201d, or convert it: "
               "iconv -f <its encoding> -t UTF-8 {} > utf8.csv",
    .standardInputName = "standard input",
    .atTemperature = "at {} °C: ",
    .tableRowsRefused = "rows refused, their messages left out: {}, the first on line {}",
    .tableRepeated = "lines {} and {} both give {} °C ({} Ω and {} Ω): a temperature written twice, or a minus "
                     "sign lost?",
    .tableNotFalling = "line {}: the resistance rises from {} Ω at {} °C (line {}) to {} Ω at {} °C (line {}), "
                       "where an NTC's falls as it warms",
    .tableRising = "the resistance rises with the temperature, from {} Ω at {} °C (line {}) to {} Ω at {} °C "
                   "(line {}): a PTC thermistor, or the columns swapped? These models are an NTC's",
    .tableTooFew = "the table has {} distinct temperatures; --model {} needs at least {}",
    .tableTooFewWithin = "--from and --to leave {} distinct temperatures of the table; --model {} needs at least {}",
    .tableMoreFaults = "{} more rows like these",
    .tableOutlier = "line {}: {} Ω at {} °C lies {} K off the curve through the other rows, whose typical row lies "
                    "{} K off: a slip in this row?",
    .tableKelvin = "the temperatures of column {} all end in .15 ({} to {}), as kelvin values do, and are read as "
                   "°C: read them with --kelvin, or name the column temperature_k",
    .fitBNotPositive = "the beta fit gives B = {} K, not above 0: the resistances do not fall as the temperature "
                       "rises",
    .fitTurnsBack = "the fitted curve turns back within the table and gives two temperatures for one resistance, "
                    "so no table is written from it: use fewer terms (--model steinhart) or check the data",
    .notMonotonic = "the fitted curve turns back within the table and gives two temperatures for one resistance; "
                    "use fewer terms or check the data",
    .betaFitWorse = "the beta model errs up to {} K over the table",
    .steinhartFitBetter = "a three-term Steinhart-Hart fit (--model steinhart) errs up to {} K",
    .mergedRows = "temperatures fell on an ADC code another row holds (the step is finer than the ADC resolves "
                  "there); the one nearest the code's centre is kept, {} left out: {} °C",
    .railRows = "temperatures fall on the ADC's rails (0 or full scale), where a reading cannot be told from an "
                "open or shorted sensor; {} left out: {} °C",
    .betaReach = "the range reaches {} K beyond the temperatures the beta model is anchored at (T0 and its B's "
                 "pair); datasheet beta models are 0.5-0.9 K off 20 K beyond them and 3-4 K at -40 °C. Fit the "
                 "datasheet's table (fit, --fit) instead",
    .beyondFit = "the range goes beyond the fitted table ({} °C to {} °C); rows outside it are extrapolated",
    .pullupCommand = "Choose the fixed resistor of a thermistor divider: each resistor of an E series, best first "
                     "(the smallest worst-case °C per count over --from .. --to; one that puts any temperature of "
                     "the range on an ADC rail is marked on_rail and never first)",
    .sideOption = "Where the fixed resistor sits: up (from the supply, thermistor to ground; default) or down (to "
                  "ground, thermistor to the supply)",
    .eSeriesOption = "E12, E24 (default), E48 or E96",
    .lowestOption = "Smallest resistor tried (default 100 Ω)",
    .highestOption = "Largest resistor tried (default 1 MΩ)",
    .budgetCommand = "Error budget: per temperature, how far the reading can be off. worst_k is the largest error "
                     "over every corner of the tolerances, each case computed through the divider (not a sum of "
                     "linearised terms), plus half a count of quantisation; rss_k the root sum of squares of each "
                     "contribution alone; then each contribution, and corners_k, the corners without quantisation",
    .r25TolOption = "Tolerance of the thermistor's R25, in % (default 0)",
    .betaTolOption = "Tolerance of its B, in % (default 0)",
    .resistorTolOption = "Tolerance of the fixed resistor, in % (default 0)",
    .adcErrorOption = "The ADC's own error in counts, either way (default 0)",
    .vrefTolOption = "Tolerance of a separate ADC reference (--vref), in % (default 0)",
    .dissipationOption = "Dissipation constant in mW/K (the datasheet's δ): the thermistor's self-heating from the "
                         "divider's supply",
    .maxErrorOption = "The fewest rows (ADC codes chosen as breakpoints) that keep linear interpolation between rows "
                      "within K kelvin",
    .plotOption = "Also draw the result as an SVG picture in FILE",
    .fitFormatOption = "Output: text (default: the coefficients and each row's error), klipper, reprap or esphome",
    .steinhartFormatOption = "Output: text (default), klipper, reprap or esphome",
    .firmwareNameOption = "The name the firmware shows (klipper: the [thermistor NAME] section; reprap: A\"NAME\"; esphome: "
                          "name)",
    .bitsNeeded = "give --bits N",
    .vrefTolNeedsVref = "--vref-tol needs --vref: a ratiometric reading (the ADC's reference is the divider's supply) "
                        "does not depend on it",
    .percentNotNegative = "{}: a tolerance is 0 or more",
    .dissipationNotPositive = "--dissipation '{}': the dissipation constant is above 0 mW/K",
    .notFirmwareName = "a name without quotes, square or curly brackets, # ; : or backslashes, control characters or "
                       "blanks at its ends, at most 64 bytes",
    .noCandidates = "--lowest and --highest hold no value of the series: the lowest must be above 0, not above the "
                    "highest, at most 9 decades apart",
    .maxErrorTooFine = "--max-error {} K is finer than the table stores its temperatures (steps of {} °C): give at "
                       "least {} K, or a finer --c-type",
    .maxErrorWithEveryCount = "--max-error chooses the table's rows itself: leave out --every-count and --step",
    .cannotWritePlot = "cannot write the picture to {}",
    .notePrefix = "ntc-beta-cli: note: ",
    .circuitToSupply = "--format {}: {} reads a thermistor to ground with its resistor to the supply only: use "
                       "--pull-up",
    .circuitSeries = "--format {}: {} takes no resistor in series with the thermistor",
    .circuitParallel = "--format {}: {} takes no resistor across the thermistor",
    .circuitReference = "--format {}: {} reads the divider ratiometrically (its ADC's reference is the supply): leave "
                        "out --vref",
    .standInStrays = "{} takes three Steinhart-Hart terms: the four-term curve is written as the three-term curve "
                     "closest to it over {} °C to {} °C, which strays up to {} K from it",
    .klipperBetaFallback = "the three points give a Steinhart-Hart C of 0 or less, which Klipper replaces with a beta "
                           "model between the first and the third point",
    .interpolationNote = "linear interpolation between the table's rows, as stored, errs up to {} K (at ADC code {}, {} "
                         "°C)",
    .maxErrorRows = "--max-error {} K: {} rows, each ADC code between two rows within the bound",
    .selfHeatingRise = "self-heating warms the thermistor by up to {} K (at {} °C), more than a tenth of the "
                       "resolution there ({} °C per count): a larger resistor, a lower supply or a divider powered "
                       "only while it is read lowers it",
    .budgetUnreadable = "at {} °C a corner of the tolerances puts the reading on an ADC rail or where the model gives "
                        "no temperature: those rows' errors are left empty",
    .allOnRail = "every resistor tried puts a temperature of the range on an ADC rail: widen --lowest .. "
                 "--highest or narrow the range",
    .plotTemperature = "Temperature (°C)",
    .plotErrorKelvin = "Error (K)",
    .plotResolution = "Resolution (°C per count)",
    .plotResistor = "Fixed resistor (Ω)",
    .plotWorstResolution = "Worst resolution over the range (°C per count)",
    .fitPlotTitle = "Fit error at each table row",
    .adcPlotTitle = "ADC resolution over the table",
    .pullupPlotTitle = "Fixed resistor against worst resolution",
    .budgetPlotTitle = "Error budget",
    .plotWorst = "worst case (± worst_k)",
    .plotRss = "root sum of squares (± rss_k)",
    .plotBest = "best: {} Ω",
    .plotRows = "table rows",
    .droppedReading = "B for every row of ",
    .droppedWroteTo = "Written beside it: ",
    .droppedNothingWritten = "No results were written for ",
    .droppedNotAFile = " is a folder, not a CSV file.",
    .droppedCannotCreate = "No new file can be made in the folder of ",
    .droppedHowTo = "Drop CSV files with the columns r1, t1, r2 and t2 on ntc-beta-cli.exe to get\n"
                    "B for each row in a new file beside each. For everything else, run\n"
                    "ntc-beta-cli --help in Command Prompt.",
    .pressAnyKey = "Press any key to close this window.",
    .failures = {
        "the two temperatures are equal",
        "two resistances are equal",
        "a temperature is 0 K",
        "a temperature is below 0 K",
        "the ratio of the resistances is not positive (a resistance is 0 or negative)",
        "a step of the computation goes beyond the range of a double",
        "no Steinhart-Hart curve passes through these points (ln R1 + ln R2 + ln R3 = 0)",
        "the model gives no value here",
    },
};

} // namespace cli::catalogue
