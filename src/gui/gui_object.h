// TGuiObject: one button, label or decorative picture of a screen. It places itself (absolutely,
// pinned to another object or aligned inside it), follows the pointer, reports completed clicks
// and draws its image and text, fading between its standard look and the look of its state.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/records.h"
#include "gui/properties.h"

class TGuiObject {
 public:
  std::shared_ptr<TProperties> standardProps;
  std::shared_ptr<TProperties> actProps;  // the base of a transition: the standard record
  std::shared_ptr<TProperties> docProps;  // the state record being shown or faded out
  std::vector<std::shared_ptr<TProperties>> properties;  // state records in file order
  TDim dim;
  float per = 0;
  float dPer = 0;
  float stepPer = 0;
  float stepDelta = 1;
  float scaleX = 1, scaleY = 1;
  std::string id;
  int visible = 1;
  int active = 1;
  float alpha = 1;
  std::vector<TGuiObject*> objects;  // objects pinned to this one (owned by the GUI)
  TGuiObject* pinTo = nullptr;
  int over = 0;
  int clicked = 0;
  int holded = 0;
  int lastAction = 0;
  int wasRemembered = 0;
  float startCX = 0, startCY = 0;

  virtual ~TGuiObject() = default;
  virtual int VectorMe(float dx, float dy, float t);
  virtual int SetState(int visibleFlag, int activeFlag);
  virtual int _InitPosByAlign();
  virtual int _InitPosition();
  virtual int _InitDimByImg();
  virtual int _InitDimByTxt();
  virtual int InitDim();
  virtual int InitObject();
  virtual int PinMeTo(TGuiObject* target);
  virtual TProperties* GetPropertiesByAction(int action);
  virtual TProperties* GetPropertiesByActionString(const std::string& name);
  virtual int _drawObjectScale(const TProperties* p);
  virtual int _drawObjectAlpha(const TProperties* p, float f);
  virtual int _drawObjectRGB(const TProperties* p);
  virtual int _drawNormalImages(const TProperties* a, const TProperties* b);
  virtual int _drawOnlyProps(const TProperties* p);
  virtual int _drawProperScale(const TProperties* a, const TProperties* b);
  virtual int _drawProperRGB(const TProperties* a, const TProperties* b);
  virtual int _drawProperAlpha(const TProperties* a, const TProperties* b);
  virtual int _drawImageStep(const TProperties* a, const TProperties* b);
  virtual float CountXStep(const TProperties* a, const TProperties* b);
  virtual float CountYStep(const TProperties* a, const TProperties* b);
  virtual int _drawImage();
  virtual int _drawMyText(const std::string& s, float x, float y);
  virtual int _drawTextScale(const TProperties* p);
  virtual int _drawTextAlpha(const TProperties* p, float f);
  virtual int _drawTextRGB(const TProperties* p);
  virtual int _drawTextRGBOutline(const TProperties* p);
  virtual int _drawTextFont(const TProperties* p);
  virtual int _drawNormalTexts(const TProperties* a, const TProperties* b);
  virtual int _drawTextProps(const TProperties* p);
  virtual int _drawTextPropsOutline(const TProperties* p, const TProperties* q);
  virtual int _drawProperTextScale(const TProperties* a, const TProperties* b);
  virtual int _drawProperTextRGB(const TProperties* a, const TProperties* b);
  virtual int _drawProperTextAlpha(const TProperties* a, const TProperties* b);
  virtual int _drawTextStep(const TProperties* a, const TProperties* b);
  virtual int _drawText();
  virtual int draw();
  virtual int _updateOver();
  virtual int _updatePer();
  virtual int update();

 private:
  std::shared_ptr<TProperties> FindShared(const TProperties* p) const;
  // Where the text of record p sits: the centre plus p's offsets.
  float TextX(const TProperties* p) const;
  float TextY(const TProperties* p) const;
  void DrawOutline(const TProperties* p, float x, float y);
};
