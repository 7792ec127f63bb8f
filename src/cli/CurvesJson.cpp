#include "CurvesJson.h"

#include "hydraulics/AvailableFlow.h"
#include "hydraulics/GraphPreparation.h"
#include "model/ProjectData.h"

#include <QByteArray>

#include <array>
#include <charconv>
#include <string_view>
#include <type_traits>
#include <utility>

namespace quenra {

namespace {

// Enough for every float as 9 significant digits with sign and exponent.
constexpr std::size_t kNumberBuffer = 32;
constexpr int kFloatDigits = 9;

class JsonWriter {
public:
    void Raw(std::string_view text) { out_ += text; }
    void Key(std::string_view key) {
        Separate();
        out_ += '"';
        out_ += key;
        out_ += "\": ";
        pendingComma_ = false;
    }
    void Begin(char bracket) {
        Separate();
        out_ += bracket;
        pendingComma_ = false;
    }
    void End(char bracket) {
        out_ += bracket;
        pendingComma_ = true;
    }
    void Bool(bool value) { Value(value ? "true" : "false"); }
    void Null() { Value("null"); }
    void Integer(long long value) { Value(ToChars(value)); }
    void Number(float value) { Value(ToChars(value)); }
    void String(const QString& text);

    std::string Take() { return std::move(out_); }

private:
    template <class T> static std::string ToChars(T value) {
        std::array<char, kNumberBuffer> buffer{};
        std::to_chars_result result{};
        if constexpr (std::is_floating_point_v<T>)
            result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, kFloatDigits);
        else
            result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        return std::string(buffer.data(), result.ptr);
    }
    void Value(std::string_view text) {
        Separate();
        out_ += text;
        pendingComma_ = true;
    }
    void Separate() {
        if (pendingComma_)
            out_ += ", ";
    }

    std::string out_;
    bool pendingComma_ = false;
};

void JsonWriter::String(const QString& text) {
    std::string quoted = "\"";
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            quoted += "\\u00";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    Value(quoted);
}

void WriteSeries(JsonWriter& json, const CurveTable& table) {
    json.Key("series");
    json.Begin('[');
    for (int index = 1; index <= CurveTable::kSeriesCount; ++index) {
        const CurveSeries& series = table.Series(index);
        if (series.PointCount <= 0)
            continue;
        json.Begin('{');
        json.Key("index");
        json.Integer(index);
        json.Key("pointCount");
        json.Integer(series.PointCount);
        json.Key("color");
        json.Integer(series.Color);
        json.Key("lineWidth");
        json.Integer(series.LineWidth);
        json.Key("symbol");
        json.Integer(PointSymbolIndex(series.Symbol));
        json.Key("isCurve");
        json.Bool(series.IsCurve);
        for (const auto& [key, values] : {std::pair{"x", &series.X}, std::pair{"y", &series.Y}}) {
            json.Key(key);
            json.Begin('[');
            for (int i = 0; i < series.PointCount; ++i)
                json.Number((*values)[static_cast<std::size_t>(i)]);
            json.End(']');
        }
        json.End('}');
    }
    json.End(']');
}

void WriteDemand(JsonWriter& json, const PreparedGraph& graph) {
    const DemandResults& demand = graph.Curves.Demand;
    json.Key("demand");
    json.Begin('[');
    for (int k = 1; k <= kTestCount; ++k) {
        json.Begin('{');
        json.Key("point");
        json.Integer(k);
        json.Key("supply");
        json.Number(demand.SupplyAtDemand[k]);
        json.Key("pump");
        json.Number(demand.PumpAtDemand[k]);
        json.Key("boosted");
        json.Number(demand.BoostedAtDemand[k]);
        json.Key("cushion");
        json.Number(demand.CushionAtDemand[k]);
        json.Key("verdict");
        json.String(graph.Legend.DemandVerdict[k].Text());
        json.End('}');
    }
    json.End(']');
}

// Each supply test's flow at the rating pressure and its class, read off the curve the graph
// draws; null where the test gives none, with the reason.
void WriteSupplyTests(JsonWriter& json, const ProjectData& project) {
    json.Key("supplyTests");
    json.Begin('[');
    for (int h = 1; h <= kTestCount; ++h) {
        const AvailableFlow available = AvailableFlowOf(project, h);
        json.Begin('{');
        json.Key("test");
        json.Integer(h);
        json.Key("availableFlow");
        if (available.Computable)
            json.Number(static_cast<float>(available.Flow));
        else
            json.Null();
        json.Key("ratingPressure");
        json.Number(static_cast<float>(available.RatingPressure));
        json.Key("nfpaClass");
        if (available.Computable)
            json.String(NfpaClassName(available.Class));
        else
            json.Null();
        json.Key("estimate");
        if (available.Computable)
            json.Bool(available.Estimate);
        else
            json.Null();
        json.Key("reason");
        if (available.Computable)
            json.Null();
        else
            json.String(available.Reason);
        json.End('}');
    }
    json.End(']');
}

} // namespace

std::string CurvesJson(const ProjectData& project, const PreparedGraph& graph) {
    JsonWriter json;
    json.Begin('{');
    json.Key("isHydrantTest");
    json.Bool(project.IsHydrantTest);
    json.Key("evaluatedSupplyTest");
    json.Integer(graph.Evaluated.SupplyTest);
    json.Key("evaluatedPumpTest");
    json.Integer(graph.Evaluated.PumpTest);
    json.Key("badData");
    json.Begin('[');
    for (int t = 1; t <= kTestCount; ++t)
        json.Bool(graph.Curves.BadData[t]);
    json.End(']');
    WriteSeries(json, graph.Curves.Curves);
    // Before the demand points, so that the line still ends as readers of the first
    // format expect.
    WriteSupplyTests(json, project);
    WriteDemand(json, graph);
    json.End('}');
    return json.Take();
}

} // namespace quenra
