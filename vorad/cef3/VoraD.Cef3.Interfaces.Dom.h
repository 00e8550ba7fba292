#pragma once
// Interfaces over the runtime structures: the document and its nodes.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_domdocument_t: runtime object.
#define VORAD_CEF3_DOMDOCUMENT_OPS(X, W)                                                            \
  X(cef_dom_document_type_t, GetType, (), get_type, ())                                             \
  X(rtl::TRef<ICefDomNode>, GetDocument, (), get_document, ())                                      \
  X(rtl::TRef<ICefDomNode>, GetBody, (), get_body, ())                                              \
  X(rtl::TRef<ICefDomNode>, GetHead, (), get_head, ())                                              \
  X(std::wstring, GetTitle, (), get_title, ())                                                      \
  X(rtl::TRef<ICefDomNode>, GetElementById, (const std::wstring& id), get_element_by_id, (id))      \
  X(rtl::TRef<ICefDomNode>, GetFocusedNode, (), get_focused_node, ())                               \
  X(bool, HasSelection, (), has_selection, ())                                                      \
  X(int, GetSelectionStartOffset, (), get_selection_start_offset, ())                               \
  X(int, GetSelectionEndOffset, (), get_selection_end_offset, ())                                   \
  X(std::wstring, GetSelectionAsMarkup, (), get_selection_as_markup, ())                            \
  X(std::wstring, GetSelectionAsText, (), get_selection_as_text, ())                                \
  X(std::wstring, GetBaseUrl, (), get_base_url, ())                                                 \
  X(std::wstring, GetCompleteUrl, (const std::wstring& partialURL), get_complete_url, (partialURL))
class ICefDomDocument : public virtual ICefBase {
public:
  VORAD_CEF3_DOMDOCUMENT_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_domnode_t: runtime object.
#define VORAD_CEF3_DOMNODE_OPS(X, W)                                                                      \
  X(cef_dom_node_type_t, GetType, (), get_type, ())                                                       \
  X(bool, IsText, (), is_text, ())                                                                        \
  X(bool, IsElement, (), is_element, ())                                                                  \
  X(bool, IsEditable, (), is_editable, ())                                                                \
  X(bool, IsFormControlElement, (), is_form_control_element, ())                                          \
  X(std::wstring, GetFormControlElementType, (), get_form_control_element_type, ())                       \
  X(bool, IsSame, (const rtl::TRef<ICefDomNode>& that), is_same, (that))                                  \
  X(std::wstring, GetName, (), get_name, ())                                                              \
  X(std::wstring, GetValue, (), get_value, ())                                                            \
  X(bool, SetValue, (const std::wstring& value), set_value, (value))                                      \
  X(std::wstring, GetAsMarkup, (), get_as_markup, ())                                                     \
  X(rtl::TRef<ICefDomDocument>, GetDocument, (), get_document, ())                                        \
  X(rtl::TRef<ICefDomNode>, GetParent, (), get_parent, ())                                                \
  X(rtl::TRef<ICefDomNode>, GetPreviousSibling, (), get_previous_sibling, ())                             \
  X(rtl::TRef<ICefDomNode>, GetNextSibling, (), get_next_sibling, ())                                     \
  X(bool, HasChildren, (), has_children, ())                                                              \
  X(rtl::TRef<ICefDomNode>, GetFirstChild, (), get_first_child, ())                                       \
  X(rtl::TRef<ICefDomNode>, GetLastChild, (), get_last_child, ())                                         \
  X(std::wstring, GetElementTagName, (), get_element_tag_name, ())                                        \
  X(bool, HasElementAttributes, (), has_element_attributes, ())                                           \
  X(bool, HasElementAttribute, (const std::wstring& attrName), has_element_attribute, (attrName))         \
  X(std::wstring, GetElementAttribute, (const std::wstring& attrName), get_element_attribute, (attrName)) \
  X(void, GetElementAttributes, (cef_string_map_t attrMap), get_element_attributes, (attrMap))            \
  X(bool, SetElementAttribute, (const std::wstring& attrName, const std::wstring& value),                 \
      set_element_attribute, (attrName, value))                                                           \
  X(std::wstring, GetElementInnerText, (), get_element_inner_text, ())
class ICefDomNode : public virtual ICefBase {
public:
  VORAD_CEF3_DOMNODE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};
