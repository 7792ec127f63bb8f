#pragma once

namespace quenra {

// Point symbols of the graph, numbered in the item order of the symbol choices on the Setup
// page, as the record stores them.
enum class PointSymbol : int {
    None = 0,
    Circle = 1,
    Square = 2,
    TriangleDown = 3,
    TriangleUp = 4,
    Plus = 5,
};

// The symbol of a stored choice. A number outside the list is kept as it is (the curve data
// written by the batch commands shows it) and draws no symbol.
constexpr PointSymbol PointSymbolFromIndex(int index) {
    return static_cast<PointSymbol>(index);
}
constexpr int PointSymbolIndex(PointSymbol symbol) {
    return static_cast<int>(symbol);
}
// Whether the symbol is one that is drawn.
constexpr bool IsDrawnSymbol(PointSymbol symbol) {
    return symbol >= PointSymbol::Circle && symbol <= PointSymbol::Plus;
}

} // namespace quenra
