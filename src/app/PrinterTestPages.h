#pragma once

class QPrinter;

namespace quenra {

// Diagnostic pages for printer trouble: bands of random cyan, magenta, yellow and black
// pixels with a black stripe, sent to the printer band by band. The first is made at the
// printer's own width, three pixels per band; the second is 300 pixels wide, stretched over the
// page, four pixels per band. Returns false when the printer could not be started.
bool PrintNoiseAtPrinterWidth(QPrinter& printer);
bool PrintStretchedNoise(QPrinter& printer);

} // namespace quenra
