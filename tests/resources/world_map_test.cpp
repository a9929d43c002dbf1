// The committed world map: it must load as an indexed picture whose pixel values are the area
// numbers named by the zone table's map ids.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <cmath>
#include <map>
#include <set>
#include <vector>

// Outside any namespace, as the resource initialiser must be.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace {

constexpr int kWidth = 356;
constexpr int kHeight = 184;

struct ZoneRow {
    QString key;
    int mapId1;
    int mapId2;
};

std::vector<ZoneRow> ReadZoneTable() {
    QFile file(QStringLiteral(HORAVIA_RESOURCES_DIR "/windows_zones.tsv"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<ZoneRow> rows;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList cols = line.split(u'\t');
        if (cols.size() < 7) continue;
        rows.push_back({cols[0], cols[5].toInt(), cols[6].toInt()});
    }
    return rows;
}

QByteArray MapBytes() {
    QFile file(QStringLiteral(":/worldmap.bmp"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 Le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 Le16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The pixel holding a place: equirectangular, 180°W..180°E, 84°N..60°S.
int AreaAt(const QImage& map, double lat, double lon) {
    const int x = static_cast<int>(std::floor((lon + 180.0) * kWidth / 360.0));
    const int y = static_cast<int>(std::floor((84.0 - lat) * kHeight / 144.0));
    return map.pixelIndex(x, y);
}

class WorldMapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitResources();
        bytes_ = MapBytes();
        map_ = QImage::fromData(bytes_, "BMP");
        rows_ = ReadZoneTable();
        for (const ZoneRow& row : rows_) byKey_[row.key] = row;
        for (int y = 0; y < map_.height(); ++y)
            for (int x = 0; x < map_.width(); ++x) ++pixelCount_[map_.pixelIndex(x, y)];
    }

    int MapId1(const char* key) const { return byKey_.at(QString::fromLatin1(key)).mapId1; }
    int MapId2(const char* key) const { return byKey_.at(QString::fromLatin1(key)).mapId2; }

    QByteArray bytes_;
    QImage map_;
    std::vector<ZoneRow> rows_;
    std::map<QString, ZoneRow> byKey_;
    std::map<int, int> pixelCount_;
};

TEST_F(WorldMapTest, FileIsACompactBottomUpRle8BitmapWithAFullColourTable) {
    ASSERT_GT(bytes_.size(), 1078);
    EXPECT_EQ(bytes_.left(2), QByteArray("BM"));
    EXPECT_EQ(Le32(bytes_, 2), static_cast<quint32>(bytes_.size()));
    EXPECT_EQ(Le32(bytes_, 10), 14u + 40u + 1024u);  // headers and 256 colours
    EXPECT_EQ(Le32(bytes_, 14), 40u);
    EXPECT_EQ(Le32(bytes_, 18), static_cast<quint32>(kWidth));
    EXPECT_EQ(Le32(bytes_, 22), static_cast<quint32>(kHeight));  // positive: bottom row first
    EXPECT_EQ(Le16(bytes_, 26), 1);
    EXPECT_EQ(Le16(bytes_, 28), 8);
    EXPECT_EQ(Le32(bytes_, 30), 1u);  // BI_RLE8
    EXPECT_EQ(Le32(bytes_, 34) + 1078u, static_cast<quint32>(bytes_.size()));
    // Compressed well below the 65 KB of the plain pixels.
    EXPECT_LT(bytes_.size(), 24 * 1024);
    EXPECT_EQ(bytes_.right(2), QByteArray("\0\1", 2));  // end of bitmap
}

TEST_F(WorldMapTest, DecodesToAnIndexedPictureOfTheMapSize) {
    ASSERT_FALSE(map_.isNull());
    EXPECT_EQ(map_.format(), QImage::Format_Indexed8);
    EXPECT_EQ(map_.width(), kWidth);
    EXPECT_EQ(map_.height(), kHeight);
    EXPECT_EQ(map_.colorCount(), 256);
    // About 160 areas: every zone with land and the ocean bands.
    EXPECT_GE(pixelCount_.size(), 140u);
}

TEST_F(WorldMapTest, EveryMapIdOfTheZoneTableHasPixels) {
    ASSERT_GE(rows_.size(), 130u);
    int zonesWithLand = 0;
    for (const ZoneRow& row : rows_) {
        if (row.mapId1 >= 0) {
            ++zonesWithLand;
            EXPECT_GT(pixelCount_[row.mapId1], 0) << row.key.toStdString();
        }
        if (row.mapId2 >= 0) {
            EXPECT_GT(pixelCount_[row.mapId2], 0) << row.key.toStdString();
        }
    }
    EXPECT_GE(zonesWithLand, 130);
}

TEST_F(WorldMapTest, EachAreaNumberServesOnePurposeAndEveryPixelBelongsToAZone) {
    std::set<int> landAreas;
    std::set<int> oceanAreas;
    for (const ZoneRow& row : rows_) {
        if (row.mapId1 >= 0) {
            EXPECT_TRUE(landAreas.insert(row.mapId1).second)
                << "shared land area " << row.mapId1 << " at " << row.key.toStdString();
        }
        if (row.mapId2 >= 0) oceanAreas.insert(row.mapId2);
    }
    for (int area : oceanAreas) EXPECT_EQ(landAreas.count(area), 0u) << area;
    for (const auto& [area, count] : pixelCount_) {
        EXPECT_TRUE(landAreas.count(area) || oceanAreas.count(area))
            << "area " << area << " (" << count << " pixels) belongs to no zone";
    }
}

TEST_F(WorldMapTest, PlacesLieInTheirZones) {
    ASSERT_FALSE(map_.isNull());
    ASSERT_FALSE(rows_.empty());
    EXPECT_EQ(AreaAt(map_, 52.5, 13.4), MapId1("W. Europe Standard Time"));      // Berlin
    EXPECT_EQ(AreaAt(map_, 48.85, 2.35), MapId1("Romance Standard Time"));       // Paris
    EXPECT_EQ(AreaAt(map_, 39.9, 116.4), MapId1("China Standard Time"));         // Beijing
    EXPECT_EQ(AreaAt(map_, 43.8, 87.6), MapId1("China Standard Time"));          // Urumqi
    EXPECT_EQ(AreaAt(map_, 34.0, -118.2), MapId1("Pacific Standard Time"));      // Los Angeles
    EXPECT_EQ(AreaAt(map_, 39.7, -105.0), MapId1("Mountain Standard Time"));     // Denver
    EXPECT_EQ(AreaAt(map_, 41.9, -87.6), MapId1("Central Standard Time"));       // Chicago
    EXPECT_EQ(AreaAt(map_, 33.7, -84.4), MapId1("Eastern Standard Time"));       // Atlanta
    EXPECT_EQ(AreaAt(map_, -33.9, 151.2), MapId1("AUS Eastern Standard Time"));  // Sydney
    EXPECT_EQ(AreaAt(map_, -26.2, 28.0), MapId1("South Africa Standard Time"));  // Johannesburg
    // Open sea: the whole-hour band of the longitude, shared with the zones of that offset.
    EXPECT_EQ(AreaAt(map_, 0.0, -150.0), MapId2("Hawaiian Standard Time"));  // UTC-10
    EXPECT_EQ(AreaAt(map_, 30.0, -30.0), MapId2("UTC-02"));
    EXPECT_EQ(AreaAt(map_, -30.0, 0.0), MapId2("UTC"));
    // Top and bottom rows are the Arctic and the Southern Ocean, not land.
    EXPECT_EQ(map_.pixelIndex(kWidth / 2, kHeight - 1), MapId2("UTC"));
}

}  // namespace
