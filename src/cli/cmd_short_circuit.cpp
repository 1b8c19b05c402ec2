// `short-circuit FILE.ksk [--bank SPEC]... [--time S] [--pdf OUT.pdf] [--xlsx OUT.xlsx] [--write OUT.ksk]`:
// the short-circuit currents and checks of every row as tab-separated lines
// under a header line. The banks given replace the file's; --write saves the
// sheet with the conditions in force; --pdf and --xlsx write the document
// 短絡電流計算書 as the window's PDF出力 and Excel出力 do. Exit 0 when every judged check passes,
// 1 when one fails, 2 for bad input, 3 when an output cannot be written.
#include <cmath>
#include <iostream>

#include "app/tform1.h"
#include "cli/command.h"
#include "cli/pdf_output.h"
#include "cli/open_sheet.h"
#include "output/short_circuit_document.h"
#include "text/numbers.h"

namespace tolvane::cli {
namespace {

constexpr const char* kUsage =
    "short-circuit FILE.ksk [--bank NAME,PHASES,V,KVA,%Z,%R[,HV_KA[,HV_KV]]]... [--time S] [--pdf OUT.pdf]\n"
    "       [--xlsx OUT.xlsx] [--write OUT.ksk]\n"
    "       prints the short-circuit currents [kA] and checks of every row, tab-separated, under a header line;\n"
    "       PHASES 1 (単相) or 3 (三相), an empty HV_KA is an infinite bus; --bank replaces the file's banks,\n"
    "       --time the breaking time (default 0.02 s), --pdf / --xlsx write the document 短絡電流計算書,\n"
    "       --write saves the sheet with them";

int usage()
{
    std::cerr << "usage: tolvane-cli " << kUsage << "\n";
    return kExitBadInput;
}

constexpr const char* kHeader =
    "row\tbank\tsystem\tvoltage\tcable\tlength_m\tik_start_ka\tik_end_ka\tx_r\tpower_factor\tpeak_ka\t"
    "breaker_a\tbreaker_icu_ka\tbreaker_required_ka\tmain_a\tmain_icu_ka\tmain_required_ka\tcable_mm2\t"
    "cable_min_mm2\tjudgement";

std::string fixed(double value, int decimals)
{
    return std::isfinite(value) ? formatPadded(value, decimals, 0) : std::string("inf");
}

void printRow(std::ostream& out, const ShortCircuitRow& r)
{
    out << r.row << '\t' << r.bank << '\t' << r.system << '\t' << r.voltage << '\t' << r.cable << '\t' << r.length;
    if (r.computed()) {
        out << '\t' << fixed(r.start.checked, 2) << '\t' << fixed(r.end.checked, 2) << '\t' << fixed(r.xOverR, 2)
            << '\t' << fixed(r.powerFactor, 3) << '\t' << fixed(r.peakKa, 2);
    } else {
        out << "\t\t\t\t\t";
    }
    out << '\t' << r.breakerRating << '\t' << r.breakerIcu << '\t' << r.breakerRequired << '\t' << r.mainRating
        << '\t' << r.mainIcu << '\t' << r.mainRequired << '\t';
    if (r.computed() && r.section > 0) out << formatShortest(r.section);
    out << '\t';
    if (r.computed() && r.section > 0) out << fixed(r.minimumSection, 1);
    out << '\t' << r.judgement << '\n';
}

int runShortCircuit(const std::vector<std::string>& args)
{
    std::string file, time, write, pdf, xlsx;
    std::vector<TransformerBank> banks;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--bank" || a == "--time" || a == "--write" || a == "--pdf" || a == "--xlsx") {
            if (i + 1 == args.size()) return usage();
            const std::string& value = args[++i];
            if (a == "--bank") {
                BankSpec parsed = parseBankSpec(value);
                if (!parsed.bank) {
                    std::cerr << parsed.message << "\n";
                    return kExitBadInput;
                }
                banks.push_back(std::move(*parsed.bank));
            } else if (a == "--time") {
                time = value;
            } else if (a == "--pdf") {
                pdf = value;
            } else if (a == "--xlsx") {
                xlsx = value;
            } else {
                write = value;
            }
        } else if (file.empty()) {
            file = a;
        } else {
            return usage();
        }
    }
    if (file.empty()) return usage();
    if (!pdf.empty() && !pdfWriter()) {
        std::cerr << kNoPdfInThisBuild << "\n";
        return kExitBadInput;
    }

    TForm1 form;
    if (!openSheet(form, file)) return kExitBadInput;
    SupplyConditions conditions = form.supplyConditions;
    if (!banks.empty()) conditions.banks = std::move(banks);
    if (!time.empty()) conditions.breakingTime = time;
    if (auto problem = form.setSupplyConditions(std::move(conditions))) {
        std::cerr << *problem << "\n";
        return kExitBadInput;
    }

    const ShortCircuitResult result = form.shortCircuit();
    std::cout << kHeader << '\n';
    for (const ShortCircuitRow& row : result.rows) printRow(std::cout, row);
    std::cout.flush();
    if (!std::cout) return kExitCannotWrite;

    if (!pdf.empty()) {
        PrintDocument document = layoutShortCircuitPrint(result, form.StringGrid1, form.supplyConditions, form.titleBlock());
        if (auto reason = pdfWriter()(document, pdf)) {
            std::cerr << *reason << "\n";
            return kExitCannotWrite;
        }
    }
    if (!xlsx.empty()) {
        if (auto failure = writeShortCircuitWorkbook(xlsx, result, form.StringGrid1, form.supplyConditions, form.titleBlock())) {
            std::cerr << failure->text << "\n";
            return kExitCannotWrite;
        }
    }
    if (!write.empty()) {
        if (auto reason = form.saveSheetFile(write)) {
            std::cerr << *reason << "\n";
            return kExitCannotWrite;
        }
    }
    return result.anyFailed() ? kExitReported : kExitOk;
}

const CommandRegistration registration("short-circuit", kUsage, runShortCircuit);

}  // namespace
}  // namespace tolvane::cli
