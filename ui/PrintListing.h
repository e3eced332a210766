#pragma once
// Printing the listing: "Courier New" 9 points, three blanks before every line, a new page
// when the next line does not fit, no header or footer, portrait.

#include <QString>

#include <string>
#include <vector>

class QPrinter;

namespace pramlet {

// Prints on a printer that is already set up (the print dialog has run). The printer's
// orientation is portrait during the job and restored afterwards. Returns the number of
// pages printed, or -1 with `error` set when the job could not be started.
int printListing(QPrinter& printer, const std::vector<std::string>& lines, QString& error);

} // namespace pramlet
