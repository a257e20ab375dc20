#pragma once
// The control views a form host gives the forms' logic, over its native
// surface; only the host's own files see them.
#include <algorithm>
#include <map>
#include <memory>

#include "app/form_host.h"

namespace tarvenel {

class FormHost::Views {
public:
    class LabelView : public Label {
    public:
        LabelView(FormHost& host, int id) : host_(host), id_(id) {}
        std::string Caption() const override { return host_.native_.Text(id_); }
        void SetCaption(const std::string& text) override {
            // No text is lost when the user's font is wider than the form's.
            const Control& c = host_.At(id_);
            if (c.widthRule != LabelWidth::Fixed) {
                int needed = host_.native_.TextWidth(id_, text);
                if (c.widthRule == LabelWidth::GrowToText)
                    needed = std::max(needed, c.spec.place.width);
                TwipsRect place = host_.native_.Place(id_);
                if (place.width != needed) {
                    place.width = needed;
                    host_.native_.SetPlace(id_, place);
                }
            }
            host_.native_.SetText(id_, text);
        }
        int Width() const override { return host_.native_.Place(id_).width; }
        int Height() const override { return host_.native_.Place(id_).height; }

    private:
        FormHost& host_;
        int id_;
    };

    class ListView : public ComboBox {
    public:
        ListView(NativeForm& native, int id) : n_(native), id_(id) {}
        void Clear() override { n_.ClearEntries(id_); }
        void AddItem(const std::string& text) override { n_.AddEntries(id_, {text}); }
        void AddItems(const std::vector<std::string>& texts) override { n_.AddEntries(id_, texts); }
        void RemoveItem(int index) override { n_.RemoveEntry(id_, index); }
        int ListCount() const override { return n_.EntryCount(id_); }
        std::string List(int index) const override { return n_.Entry(id_, index); }
        int ListIndex() const override {
            const std::string text = n_.Text(id_);
            for (int i = 0, count = n_.EntryCount(id_); i < count; ++i)
                if (n_.Entry(id_, i) == text)
                    return i;
            return -1;
        }
        std::string Text() const override { return n_.Text(id_); }
        void SetText(const std::string& text) override { n_.SetText(id_, text); }
        bool Enabled() const override { return n_.Enabled(id_); }
        void SetEnabled(bool enabled) override { n_.SetEnabled(id_, enabled); }

    private:
        NativeForm& n_;
        int id_;
    };

    // A check box's size is in the units of its mouse events: pixels.
    class CheckView : public CheckBox {
    public:
        CheckView(NativeForm& native, int id) : n_(native), id_(id) {}
        int Value() const override { return n_.Checked(id_) ? 1 : 0; }
        void SetValue(int value) override { n_.SetChecked(id_, value == 1); }
        int Width() const override { return TwipsToPixels(n_.Place(id_).width); }
        int Height() const override { return TwipsToPixels(n_.Place(id_).height); }

    private:
        NativeForm& n_;
        int id_;
    };

    class ButtonView : public CommandButton {
    public:
        ButtonView(NativeForm& native, int id) : n_(native), id_(id) {}
        std::string Caption() const override { return n_.Text(id_); }
        void SetCaption(const std::string& text) override { n_.SetText(id_, text); }
        bool Enabled() const override { return n_.Enabled(id_); }
        void SetEnabled(bool enabled) override {
            // A disabled button passes the focus to nobody: the form keeps
            // it, so that the form's own keys (Escape) still arrive.
            if (!enabled && n_.Focused(id_))
                n_.Focus(kForm);
            n_.SetEnabled(id_, enabled);
        }
        void SetFocus() override { n_.Focus(id_); }

    private:
        NativeForm& n_;
        int id_;
    };

    class PictureView : public Picture {
    public:
        PictureView(NativeForm& native, int id) : n_(native), id_(id) {}
        bool Visible() const override { return n_.Visible(id_); }
        void SetVisible(bool visible) override { n_.SetVisible(id_, visible); }

    private:
        NativeForm& n_;
        int id_;
    };

    class ImageView : public ImageButton {
    public:
        ImageView(FormHost& host, int id, Bitmap hover, Bitmap pressed)
            : host_(host), id_(id), hover_(std::move(hover)), pressed_(std::move(pressed)) {}
        void ShowFace(ImageFace face) override {
            host_.ShowPicture(id_, face == ImageFace::Hover     ? hover_
                                   : face == ImageFace::Pressed ? pressed_
                                                                : none_);
        }

    private:
        FormHost& host_;
        int id_;
        Bitmap hover_;
        Bitmap pressed_;
        Bitmap none_;
    };

    std::map<int, std::unique_ptr<Label>> labels;
    std::map<int, std::unique_ptr<ComboBox>> lists;
    std::map<int, std::unique_ptr<CheckBox>> checks;
    std::map<int, std::unique_ptr<CommandButton>> buttons;
    std::map<int, std::unique_ptr<Picture>> pictures;
    std::map<int, std::unique_ptr<ImageButton>> images;
};

} // namespace tarvenel
