#pragma once

namespace quenra::series {

// The numbers of the curve table's series. The graph draws them in number order, so later
// series lie over earlier ones: demand points over the pump curves, supply points on top.
constexpr int RatedPumpCurve = 3;
constexpr int CombinedCurve = 4;
constexpr int PumpTestNetCurve(int pumpTest) {
    return 5 + 2 * pumpTest;
}
constexpr int PumpTestDischargeCurve(int pumpTest) {
    return 6 + 2 * pumpTest;
}
constexpr int DemandPoint(int point) {
    return 16 + point;
}
constexpr int RatedPumpPoints = 24;
constexpr int Nfpa20Bar = 25;
constexpr int Nfpa20Points = 26;
constexpr int PumpTestNetPoints(int pumpTest) {
    return 26 + pumpTest;
}
constexpr int Nfpa25Curve = 32;
constexpr int SupplyCurve(int hydrantTest) {
    return 32 + hydrantTest;
}
constexpr int SupplyPoints(int hydrantTest) {
    return 37 + hydrantTest;
}
constexpr int Nfpa25Points = 43;
constexpr int PumpTestDischargePoints(int pumpTest) {
    return 43 + pumpTest;
}

} // namespace quenra::series
