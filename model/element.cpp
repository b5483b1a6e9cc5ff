#include "model/element.h"

#include <array>
#include <utility>

namespace zeva::model {

void SampleTail::resize(int32_t newCapacity) {
    if (newCapacity < 0) newCapacity = 0;
    capacity = newCapacity;
    const auto n = static_cast<size_t>(newCapacity);
    samples.assign(n, Point{});
    samples2.assign(n, Point{});
    sampleParams.assign(n, 0.0);
    sampleColors.assign(n, 0);
    if (sampleCount > newCapacity) sampleCount = newCapacity;
}

namespace {

// The empty tail of each TailKind, by its index in ElementTail.
template <size_t... I>
constexpr auto emptyTailMakers(std::index_sequence<I...>) {
    return std::array<ElementTail (*)(), sizeof...(I)>{
        +[]() { return ElementTail(std::in_place_index<I>); }...};
}
constexpr auto kEmptyTail = emptyTailMakers(std::make_index_sequence<kTailKindCount>{});

}  // namespace

std::unique_ptr<Element> makeElement(Kind kind, int32_t sampleCapacity) {
    auto e = std::make_unique<Element>();
    e->kind = kind;
    e->tail = kEmptyTail[static_cast<size_t>(tailOf(kind))]();
    if (auto* samples = std::get_if<SampleTail>(&e->tail))
        samples->resize(kind == Kind::FunctionGraph ? kFunctionGraphCapacity : sampleCapacity);
    return e;
}

std::vector<Element*> subElementsOf(const Element& e) {
    std::vector<Element*> out;
    forEachSubElement(const_cast<Element&>(e), [&](Element& s) { out.push_back(&s); });
    return out;
}

Element* ownerOf(Element* e) {
    if (!e) return nullptr;
    Element* owner = parentAt(*e, kindInfo(e->kind).ownerParent);
    return owner ? owner : e;
}

}  // namespace zeva::model
