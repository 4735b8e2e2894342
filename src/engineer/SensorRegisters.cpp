#include "engineer/SensorRegisters.h"

namespace mousecfg {

using namespace image;

const std::array<HexRegister, kSensorRegistersLength> kSensorRegisters{{
    {9, "Smth_Misc:", 0x0F},
    {10, "Avg_Diff_Thr_AE:", 0xFF},
    {11, "Rpt_Thr:", 0x04},
    {12, "Squal_Avg_downscale:", 0x21},
    {13, "SrchRgDlt_Thr:", 0x10},
    {14, "Frame_Period:", 0x0A},
    {15, "MiscBitCfg:", 0x08},
    {16, "HSqDcrDiv_LSqDcrDiv:", 0x10},
    {17, "LfBpsShlThr:", 0x45},
    {18, "LfHfsqThr:", 0x02},
    {19, "CrpThrGain1Sql:", 0x98},
    {20, "CrpThrGain1Sqh:", 0x10},
    {21, "CrpThrGain2Sql:", 0xFF},
    {22, "CrpThrGain2Sqh:", 0x10},
    {23, "CrpThrGain4Sql:", 0xEF},
    {24, "CrpThrGain4Sqh:", 0x10},
    {25, "CrpThrGain8Sqx:", 0xFF},
    {26, "LiftLandThrWeight:", 0x02},
    {27, "CrpCntThr_LftBpsGainThr:", 0x60},
    {28, "HsqCorBit_LsqCorBit:", 0x31},
    {29, "LftCorBitAvgThr:", 0x01},
    {30, "SubpixCorBit_MaxGain:", 0x32},
    {31, "MaxShut:", 0x48},
    {32, "LandCntThr:", 0x96},
    {33, "LiftCntThr:", 0xFA},
    {34, "CorBitHfsqThr:", 0x10},
    {35, "illumXledAvgThr:", 0x1E},
    {36, "BpHfsqThr:", 0x02},
    {37, "HgLsqCorBit_LgLsqCorBit:", 0x31},
    {38, "HgLsqThr:", 0x20},
    {39, "SrchRgDlt_G8CorBit:", 0x13},
}};

const std::array<HexRegister, kLedInitLength> kLedInitRegisters{{
    {kLedInitOffset, "LED Init0:", 0x00},
    {kLedInitOffset + 1, "LED Init1:", 0x46},
}};

const HexRegister* hexRegisterAt(size_t offset) {
  if (offset >= kSensorRegistersOffset && offset < kSensorRegistersOffset + kSensorRegistersLength)
    return &kSensorRegisters[offset - kSensorRegistersOffset];
  if (offset >= kLedInitOffset && offset < kLedInitOffset + kLedInitLength)
    return &kLedInitRegisters[offset - kLedInitOffset];
  return nullptr;
}

}  // namespace mousecfg
