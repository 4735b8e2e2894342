#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "device/ImageMap.h"
#include "device/TransferResult.h"
#include "engineer/OptionRegisters.h"

namespace mousecfg {

class DeviceLink;
class ReportRateControl;

// The engineer page's vendor-section controls: the USB vendor and product ids and the
// product string, the option register lists, the sensor tuning and LED-init registers,
// the manufacturer and product codes of the fire-key block and the button effect
// switch. Each change is written to the mouse at once; the USB identities take effect
// when the mouse is next plugged in.
class EngineerVendorState {
 public:
  static constexpr int kEffectOff = 0;  // cb_BtnEFT "关闭"
  static constexpr int kEffectOn = 1;   // cb_BtnEFT "打开"

  EngineerVendorState(DeviceLink& link, ReportRateControl& rate) : link_(link), rate_(rate) {}

  // Field texts as the page shows them.
  std::string edt_VID;  // four hex digits
  std::string edt_PID;
  std::string edt_USBDesc;
  std::string edt_LEDInit0;  // two hex digits
  std::string edt_LEDInit1;
  std::string edt_VendorID;  // decimal, 0..255
  std::string edt_ProductID;
  int cb_BtnEFT = kEffectOn;

  // The item an option list shows, kNoOptionItem when its bits match no item.
  int optionItem(OptionRegister option) const;
  // The text of the edit of the sensor register at a vendor offset (9..39); empty for
  // another offset.
  const std::string& sensorRegisterText(size_t offset) const;

  // Handlers, called with what the user typed or chose (the fields above still hold
  // the previous value). Each does nothing while the window is being refreshed and
  // sends nothing while a batch runs. Text a field does not take is ignored.
  void edt_VIDChange(std::string_view text);
  void edt_PIDChange(std::string_view text);
  // The report rate list goes through the report rate control, which restarts the
  // mouse for a new rate; every other list writes its byte.
  void optionChange(OptionRegister option, int item);
  void sensorRegisterChange(size_t offset, std::string_view text);
  void edt_LEDInit0Change(std::string_view text);
  void edt_LEDInit1Change(std::string_view text);
  void edt_USBDescChange(std::string_view text);
  void edt_VendorIDChange(std::string_view text);
  void edt_ProductIDChange(std::string_view text);
  void cb_BtnEFTChange(int item);

  void refreshFromImage();

  // What the mouse made of the last change sent; the window leaves a lost frame to the
  // monitor, mousectl reports it.
  TransferResult lastWrite;

 private:
  void usbIdEdited(size_t offset, std::string& edit, std::string_view text);
  void registerEdited(size_t offset, std::string& edit, std::string_view text);
  void deviceCodeEdited(size_t index, std::string& edit, std::string_view text);
  void showOptions();
  void showRegisters();
  static bool isSensorRegister(size_t offset);

  DeviceLink& link_;
  ReportRateControl& rate_;
  std::array<int, kOptionRegisterCount> optionItems_{};
  std::array<std::string, image::kSensorRegistersLength> sensorRegisterTexts_;
};

}  // namespace mousecfg
