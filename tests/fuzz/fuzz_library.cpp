// Fuzz entry point for the element library. The bytes go through the
// library parser; a library that reads must survive writing and reading
// again, and every element it holds goes through every completion option and
// both asymmetry tables, so that hostile numbers meet the arithmetic. No
// derived cross section or asymmetry parameter may be infinite or NaN.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "document/asymmetry.h"
#include "document/library_entry.h"
#include "document/library_file.h"

namespace {

constexpr float kAlKAlphaEv = 1486.6f;

void checkRoundTrip(const slv::LibraryContents& contents)
{
    const slv::LibraryParse again = slv::ParseLibrary(slv::LibraryBytes(contents));
    if (again.fault != slv::LibraryFault::None)
        std::abort();
    // The writer names each element by its record's symbol, so only records
    // with a symbol come back.
    bool allNamed = true;
    for (const slv::ElementRecord& e : contents.elements)
        allNamed = allNamed && !e.symbol.isBlank();
    if (allNamed && !(again.contents == contents))
        std::abort();
}

void completeEveryWay(slv::LibraryFile& file, const slv::DirectoryEntry& element)
{
    using slv::CrossSectionSet, slv::ExcitationSource, slv::ScalingOption, slv::SplittingOption;
    for (SplittingOption splitting : {SplittingOption::None, SplittingOption::Theoretical, SplittingOption::Nominal}) {
        for (ScalingOption scaling : {ScalingOption::None, ScalingOption::ClosestLine, ScalingOption::AverageFactor}) {
            slv::LookupOptions options;
            options.splitting = splitting;
            options.scaling = scaling;
            options.excEnergy = kAlKAlphaEv;
            const slv::LibraryEntry entry = slv::FindElement(file, element.symbol.padded(), options);
            for (CrossSectionSet set : {CrossSectionSet::None, CrossSectionSet::Scofield, CrossSectionSet::Evans,
                                        CrossSectionSet::Wagner, CrossSectionSet::Nefedov}) {
                options.crossSectionSet = set;
                for (int line : slv::UsableLines(entry, options))
                    if (!std::isfinite(entry.LibLines[line].crossSect[slv::LibrarySetOf(options)]))
                        std::abort();
            }
            for (const slv::LineRecord& line : entry.LibLines)
                for (ExcitationSource source : {ExcitationSource::MgKAlpha, ExcitationSource::AlKAlpha}) {
                    const auto beta = slv::LibraryAsymmetry(file, entry.LibElement.Z, line.notation.padded(), source);
                    if (beta && !std::isfinite(*beta))
                        std::abort();
                }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::as_bytes(std::span(data, size));
    const slv::LibraryParse parse = slv::ParseLibrary(bytes);
    if (parse.fault != slv::LibraryFault::None)
        return 0;
    checkRoundTrip(parse.contents);
    slv::LibraryFile file({bytes.begin(), bytes.end()});
    for (const slv::DirectoryEntry& element : file.directory())
        if (!element.symbol.isBlank())
            completeEveryWay(file, element);
    if (file.damaged())
        std::abort();  // the whole library was read once already
    return 0;
}
