#include "widgets/NoticeSkin.h"

#include "res/images.h"

namespace {

// The texts may come from another computer: they are set as values after
// the skin's lines are parsed, so that line breaks, "[Section]" or
// "Command=" inside them never become sections or keys, and long texts are
// not cut to the line buffer.
void SetTexts(SkinDefinition& skin, const NoticeText& text) {
    if (CInfoSection* title = skin.FindSection(L"TITLE")) title->SetValue(L"Text", text.title);
    if (CInfoSection* body = skin.FindSection(L"BODY")) body->SetValue(L"Text", text.body);
}

void AddColor(SkinDefinition& skin, COLORREF color) {
    skin.AddLineFormat(L"FontColor = %d,%d,%d,255", GetRValue(color), GetGValue(color), GetBValue(color));
}

}  // namespace

void BuildSlideSkinText(SkinDefinition& skin, const NoticeText& text) {
    skin.Clear();
    skin.AddLine(L"[Title]");
    skin.AddLine(L"DrawType=STRING");
    AddColor(skin, text.titleColor);
    skin.AddLineFormat(L"FontSize = %d", text.titleSize);
    skin.AddLine(L"StringStyle = BOLD");
    skin.AddLine(L"X = 20");
    skin.AddLine(L"Y = 11");
    skin.AddLine(L"W = 180");
    skin.AddLine(L"H = 20");
    skin.AddLine(L"[Body]");
    skin.AddLine(L"DrawType=STRING");
    AddColor(skin, text.bodyColor);
    skin.AddLineFormat(L"FontSize = %d", text.bodySize);
    skin.AddLine(L"ClipString = 1");
    skin.AddLine(L"StringVAlign = CENTER");
    skin.AddLine(L"StringAlign = CENTER");
    skin.AddLine(L"X = 125");
    skin.AddLine(L"Y = 33");
    skin.AddLine(L"W = 220");
    skin.AddLine(L"H = 90");
    skin.AddLine(L"[Info]");
    skin.AddLine(L"DrawType=BUTTON");
    skin.AddLine(L"X=200");
    skin.AddLine(L"Y=11");
    skin.AddLine(L"W = 15");
    skin.AddLine(L"H = 15");
    skin.AddLineFormat(L"ImageID = %d", IDP_SKIN_IMAGE_259);
    skin.AddLine(L"Command = SCHEDULE_INFO");
    skin.AddLine(L"[Close]");
    skin.AddLine(L"DrawType=BUTTON");
    skin.AddLine(L"X=220");
    skin.AddLine(L"Y=11");
    skin.AddLine(L"W = 15");
    skin.AddLine(L"H = 15");
    skin.AddLineFormat(L"ImageID = %d", IDP_SKIN_IMAGE_260);
    skin.AddLine(L"Command = Hide");
    skin.ParseLines();
    SetTexts(skin, text);
}

void BuildPopupSkinText(SkinDefinition& skin, const NoticeText& text) {
    skin.Clear();
    skin.AddLine(L"[Title]");
    skin.AddLine(L"DrawType=STRING");
    AddColor(skin, text.titleColor);
    skin.AddLineFormat(L"FontSize = %d", text.titleSize);
    skin.AddLine(L"StringStyle = BOLD");
    skin.AddLine(L"X = 20");
    skin.AddLine(L"Y = 11");
    skin.AddLine(L"W = 220");
    skin.AddLine(L"H = 20");
    skin.AddLine(L"[Body]");
    skin.AddLine(L"DrawType=STRING");
    AddColor(skin, text.bodyColor);
    skin.AddLine(L"AntiAlias = 1");
    skin.AddLineFormat(L"FontSize = %d", text.bodySize);
    skin.AddLine(L"ClipString = 1");
    skin.AddLine(L"StringVAlign = CENTER");
    skin.AddLine(L"StringAlign = CENTER");
    skin.AddLine(L"X = 120");
    skin.AddLine(L"Y = 33");
    skin.AddLine(L"W = 210");
    skin.AddLine(L"H = 125");
    skin.AddLine(L"[Close]");
    skin.AddLine(L"DrawType=BUTTON");
    skin.AddLine(L"X=212");
    skin.AddLine(L"Y=12");
    skin.AddLine(L"W = 10");
    skin.AddLine(L"H = 10");
    skin.AddLineFormat(L"ImageID = %d", IDP_SKIN_IMAGE_247);
    skin.AddLine(L"Command = Hide");
    skin.ParseLines();
    SetTexts(skin, text);
}
