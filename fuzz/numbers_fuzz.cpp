// The number texts: reals and integers as typed, fields of a line, fields between delimiters,
// and angles in degrees, minutes and seconds.
#include "FuzzFile.h"
#include "geodesy/UTMLaLo.h"
#include "georef/Descriptor.h"
#include "model/NumberText.h"

using namespace tracelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::text(data, size);
    (void)model::val_reel(text);
    (void)model::val_reel_utm(text);
    (void)model::val_entier(text);
    (void)model::lit_entier(text);
    (void)model::texte_en_reel_strict(text);
    (void)model::readsAsReal(text);
    std::string filtered(text);
    model::filtre_numerique(filtered);
    for (const char sep : {' ', '\t', ';', ','})
        for (int n = 0; n < 4; ++n)
            (void)model::_extrait(text, n, sep);
    (void)geodesy::texte_dms_vers_deg(text);
    std::string consumed(text);
    while (!consumed.empty()) {
        const std::size_t before = consumed.size();
        (void)georef::extrait_entre(consumed, "Point", "(", ")", true);
        if (consumed.size() >= before) break;
    }
    return 0;
}
