#pragma once
// Interfaces over the runtime structures: the document and its nodes.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_domdocument_t: runtime object.
class ICefDomDocument : public virtual ICefBase {
public:
  virtual cef_dom_document_type_t GetType() = 0;
  virtual rtl::TRef<ICefDomNode> GetDocument() = 0;
  virtual rtl::TRef<ICefDomNode> GetBody() = 0;
  virtual rtl::TRef<ICefDomNode> GetHead() = 0;
  virtual std::wstring GetTitle() = 0;
  virtual rtl::TRef<ICefDomNode> GetElementById(const std::wstring& id) = 0;
  virtual rtl::TRef<ICefDomNode> GetFocusedNode() = 0;
  virtual bool HasSelection() = 0;
  virtual int GetSelectionStartOffset() = 0;
  virtual int GetSelectionEndOffset() = 0;
  virtual std::wstring GetSelectionAsMarkup() = 0;
  virtual std::wstring GetSelectionAsText() = 0;
  virtual std::wstring GetBaseUrl() = 0;
  virtual std::wstring GetCompleteUrl(const std::wstring& partialURL) = 0;
};

// cef_domnode_t: runtime object.
class ICefDomNode : public virtual ICefBase {
public:
  virtual cef_dom_node_type_t GetType() = 0;
  virtual bool IsText() = 0;
  virtual bool IsElement() = 0;
  virtual bool IsEditable() = 0;
  virtual bool IsFormControlElement() = 0;
  virtual std::wstring GetFormControlElementType() = 0;
  virtual bool IsSame(const rtl::TRef<ICefDomNode>& that) = 0;
  virtual std::wstring GetName() = 0;
  virtual std::wstring GetValue() = 0;
  virtual bool SetValue(const std::wstring& value) = 0;
  virtual std::wstring GetAsMarkup() = 0;
  virtual rtl::TRef<ICefDomDocument> GetDocument() = 0;
  virtual rtl::TRef<ICefDomNode> GetParent() = 0;
  virtual rtl::TRef<ICefDomNode> GetPreviousSibling() = 0;
  virtual rtl::TRef<ICefDomNode> GetNextSibling() = 0;
  virtual bool HasChildren() = 0;
  virtual rtl::TRef<ICefDomNode> GetFirstChild() = 0;
  virtual rtl::TRef<ICefDomNode> GetLastChild() = 0;
  virtual std::wstring GetElementTagName() = 0;
  virtual bool HasElementAttributes() = 0;
  virtual bool HasElementAttribute(const std::wstring& attrName) = 0;
  virtual std::wstring GetElementAttribute(const std::wstring& attrName) = 0;
  virtual void GetElementAttributes(cef_string_map_t attrMap) = 0;
  virtual bool SetElementAttribute(const std::wstring& attrName, const std::wstring& value) = 0;
  virtual std::wstring GetElementInnerText() = 0;
};
