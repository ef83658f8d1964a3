#!/usr/bin/env bash
# Below the windows and the command line, text becomes a number only where text is what
# comes in: the file readers and the readers of what a clerk types (entry boxes, dialog
# cells, the date box, the hours sheet). Each file that may parse text is listed below with
# what it reads; any other engine file that calls a text-to-number routine fails the check,
# so a figure is never taken back from the text a view made of it.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

declare -A allowed=(
    [src/base/core/numeric_text.cpp]="the text-to-number routines themselves"
    [src/base/core/money.cpp]="the money module's decimal reader"
    [src/base/files/record_format.cpp]="the record file reader"
    [src/base/core/dialog_text.cpp]="the settings dialogs' cells"
    [src/tax/state/pay_date.cpp]="the pay period date box reader"
    [src/tax/core/tax_year.cpp]="the pay period date box, against the tables' year"
    [src/session/core/calculate.cpp]="the entry-box reader (readEntryBoxes)"
    [src/session/core/pay_period.cpp]="the federal exemption count, kept as the file's text"
    [src/session/files/employee_files.cpp]="the employee file set's reader and writer"
    [src/session/files/period_snapshot.cpp]="the saved period file, from the entry boxes"
    [src/session/payroll/pay_run.cpp]="the hours sheet's cells"
    [src/session/payroll/register_figures.cpp]="the week labels of the ledger files, the period typed"
    [src/session/payroll/employee_roster.cpp]="the week labels of the ledger files, for the latest posted"
    [src/session/print/check_print.cpp]="the printer offsets typed in the offset dialog"
    [src/session/checks/numbered_check.cpp]="the check window's amount box, which the clerk may edit"
    [src/session/company/company_checks.cpp]="the next check number typed in the company dialog"
    [src/session/side/leave_record.cpp]="the leave dialog's boxes"
    [src/session/side/overtime_sheet_ops.cpp]="the overtime sheet's cells"
    [src/session/ytd/ledger_ops.cpp]="the ledger window's cells"
    [src/session/ytd/ledger_file.cpp]="the ledger file reader"
    [src/session/state/state_withholding.cpp]="the pay period date box"
    [src/session/state/methods/utah_set.cpp]="the pay period date box"
)
pattern='\b(numericValue|entryValue|strictNumber|strictSingle|strictInteger|stod|stof|stoi|stol|stoll|strtod|strtof|strtol|atof|atoi|atol|from_chars|sscanf|readPayDate)\('
status=0
while IFS= read -r file; do
    rel=${file#"$root"/}
    [[ $rel == *.h ]] && continue
    if [ -z "${allowed[$rel]:-}" ]; then
        grep -nE "$pattern" "$file" | sed "s|^|$rel:|"
        status=1
    fi
done < <(grep -rlE "$pattern" "$root/src/base" "$root/src/tax" "$root/src/records" \
    "$root/src/session")
if [ "$status" = 0 ]; then
    echo "text to number: only the file readers and the readers of typed text parse numbers"
else
    echo "These engine files take a number from text; read the figure instead, or list the" \
        "file in $0 with the input it reads." >&2
fi
exit "$status"
