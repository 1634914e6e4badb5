// The converter's worksheet text, its text import line, and every command over what was read.
#include "FuzzFile.h"
#include "geodesy/Worksheet.h"

using namespace tracelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::text(data, size);
    std::string error;
    auto sheet = geodesy::Worksheet::lit(text, error);
    if (!sheet) return 0;
    auto copy = *sheet;
    (void)copy.utmVersLatLon("6378.137", "6356.752");
    (void)copy.texteExport();
    copy = *sheet;
    (void)copy.latLonVersUtm(false, "6378.137", "6356.752");
    copy = *sheet;
    copy.dmsVersDecimal();
    copy.decimalVersDms();
    copy.km("6378.137", "6356.752");
    (void)copy.texteExport();
    copy = *sheet;
    (void)copy.importeTexte(text);
    return 0;
}
