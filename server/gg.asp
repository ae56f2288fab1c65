<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>Orvane法律软件公告</title>
</head>
<body bgcolor="#1d4e89" style="margin:0">
<table width="100%" cellspacing="0" cellpadding="4" bgcolor="#1d4e89">
<tr>
<td width="130" align="center" valign="middle" bgcolor="#163d6c">
<span style="font-size:17px; font-weight:bold; color:#ffffff">Orvane</span><br>
<span style="font-size:12px; color:#c9d8ee">法律软件公告</span>
</td>
<td valign="middle">
<span style="font-size:13px; color:#ffffff">2026年节假日安排已更新：日期计算自动按国务院公布的放假与调休日期推算。</span><br>
<span style="font-size:12px; color:#c9d8ee">贷款基准利率表、诉讼费计算规则与《诉讼费用交纳办法》保持一致。</span>
<a href="/" style="font-size:12px; color:#ffd866">访问网站</a>
</td>
</tr>
</table>
</body>
</html>
