#pragma once
// Ref classes. The document and its nodes.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefDomDocumentRef : public TCefRef<cef_domdocument_t, ICefDomDocument> {
public:
  using TCefRef::TCefRef;
  cef_dom_document_type_t GetType() override { return Call<&C::get_type>(); }
  rtl::TRef<ICefDomNode> GetDocument() override { return Call<&C::get_document>(); }
  rtl::TRef<ICefDomNode> GetBody() override { return Call<&C::get_body>(); }
  rtl::TRef<ICefDomNode> GetHead() override { return Call<&C::get_head>(); }
  std::wstring GetTitle() override { return Call<&C::get_title>(); }
  rtl::TRef<ICefDomNode> GetElementById(const std::wstring& id) override {
    return Call<&C::get_element_by_id>(id);
  }
  rtl::TRef<ICefDomNode> GetFocusedNode() override { return Call<&C::get_focused_node>(); }
  bool HasSelection() override { return Call<&C::has_selection>(); }
  int GetSelectionStartOffset() override { return Call<&C::get_selection_start_offset>(); }
  int GetSelectionEndOffset() override { return Call<&C::get_selection_end_offset>(); }
  std::wstring GetSelectionAsMarkup() override { return Call<&C::get_selection_as_markup>(); }
  std::wstring GetSelectionAsText() override { return Call<&C::get_selection_as_text>(); }
  std::wstring GetBaseUrl() override { return Call<&C::get_base_url>(); }
  std::wstring GetCompleteUrl(const std::wstring& partialURL) override {
    return Call<&C::get_complete_url>(partialURL);
  }
};

class TCefDomNodeRef : public TCefRef<cef_domnode_t, ICefDomNode> {
public:
  using TCefRef::TCefRef;
  cef_dom_node_type_t GetType() override { return Call<&C::get_type>(); }
  bool IsText() override { return Call<&C::is_text>(); }
  bool IsElement() override { return Call<&C::is_element>(); }
  bool IsEditable() override { return Call<&C::is_editable>(); }
  bool IsFormControlElement() override { return Call<&C::is_form_control_element>(); }
  std::wstring GetFormControlElementType() override { return Call<&C::get_form_control_element_type>(); }
  bool IsSame(const rtl::TRef<ICefDomNode>& that) override { return Call<&C::is_same>(that); }
  std::wstring GetName() override { return Call<&C::get_name>(); }
  std::wstring GetValue() override { return Call<&C::get_value>(); }
  bool SetValue(const std::wstring& value) override { return Call<&C::set_value>(value); }
  std::wstring GetAsMarkup() override { return Call<&C::get_as_markup>(); }
  rtl::TRef<ICefDomDocument> GetDocument() override { return Call<&C::get_document>(); }
  rtl::TRef<ICefDomNode> GetParent() override { return Call<&C::get_parent>(); }
  rtl::TRef<ICefDomNode> GetPreviousSibling() override { return Call<&C::get_previous_sibling>(); }
  rtl::TRef<ICefDomNode> GetNextSibling() override { return Call<&C::get_next_sibling>(); }
  bool HasChildren() override { return Call<&C::has_children>(); }
  rtl::TRef<ICefDomNode> GetFirstChild() override { return Call<&C::get_first_child>(); }
  rtl::TRef<ICefDomNode> GetLastChild() override { return Call<&C::get_last_child>(); }
  std::wstring GetElementTagName() override { return Call<&C::get_element_tag_name>(); }
  bool HasElementAttributes() override { return Call<&C::has_element_attributes>(); }
  bool HasElementAttribute(const std::wstring& attrName) override {
    return Call<&C::has_element_attribute>(attrName);
  }
  std::wstring GetElementAttribute(const std::wstring& attrName) override {
    return Call<&C::get_element_attribute>(attrName);
  }
  void GetElementAttributes(cef_string_map_t attrMap) override { Call<&C::get_element_attributes>(attrMap); }
  bool SetElementAttribute(const std::wstring& attrName, const std::wstring& value) override {
    return Call<&C::set_element_attribute>(attrName, value);
  }
  std::wstring GetElementInnerText() override { return Call<&C::get_element_inner_text>(); }
};
