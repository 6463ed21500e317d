<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="18_Hero" tilewidth="112" tileheight="112" tilecount="37" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="37"/>
 </properties>
 <tile id="0">
  <image width="112" height="112" source="18_Hero/Kibbet.png"/>
 </tile>
 <tile id="1">
  <image width="112" height="112" source="18_Hero/Kibbet_Die_0.png"/>
 </tile>
 <tile id="2">
  <image width="112" height="112" source="18_Hero/Kibbet_Die_1.png"/>
 </tile>
 <tile id="3">
  <image width="112" height="112" source="18_Hero/Kibbet_Die_2.png"/>
 </tile>
 <tile id="4">
  <image width="112" height="112" source="18_Hero/Kibbet_Die_3.png"/>
 </tile>
 <tile id="5">
  <image width="112" height="112" source="18_Hero/Kibbet_FlyStart_0.png"/>
 </tile>
 <tile id="6">
  <image width="112" height="112" source="18_Hero/Kibbet_FlyStart_1.png"/>
 </tile>
 <tile id="7">
  <image width="112" height="112" source="18_Hero/Kibbet_Fly_0.png"/>
 </tile>
 <tile id="8">
  <image width="112" height="112" source="18_Hero/Kibbet_Fly_1.png"/>
 </tile>
 <tile id="9">
  <image width="112" height="112" source="18_Hero/Kibbet_Fly_2.png"/>
 </tile>
 <tile id="10">
  <image width="112" height="112" source="18_Hero/Kibbet_Fly_3.png"/>
 </tile>
 <tile id="11">
  <image width="112" height="112" source="18_Hero/Kibbet_Glide_0.png"/>
 </tile>
 <tile id="12">
  <image width="112" height="112" source="18_Hero/Kibbet_Glide_1.png"/>
 </tile>
 <tile id="13">
  <image width="112" height="112" source="18_Hero/Kibbet_Idle_0.png"/>
 </tile>
 <tile id="14">
  <image width="112" height="112" source="18_Hero/Kibbet_Idle_1.png"/>
 </tile>
 <tile id="15">
  <image width="112" height="112" source="18_Hero/Kibbet_Idle_2.png"/>
 </tile>
 <tile id="16">
  <image width="112" height="112" source="18_Hero/Kibbet_Idle_3.png"/>
 </tile>
 <tile id="17">
  <image width="112" height="112" source="18_Hero/Kibbet_JumpStart_0.png"/>
 </tile>
 <tile id="18">
  <image width="112" height="112" source="18_Hero/Kibbet_JumpStart_1.png"/>
 </tile>
 <tile id="19">
  <image width="112" height="112" source="18_Hero/Kibbet_JumpStart_2.png"/>
 </tile>
 <tile id="20">
  <image width="112" height="112" source="18_Hero/Kibbet_Land_0.png"/>
 </tile>
 <tile id="21">
  <image width="112" height="112" source="18_Hero/Kibbet_Land_1.png"/>
 </tile>
 <tile id="22">
  <image width="112" height="112" source="18_Hero/Kibbet_Land_2.png"/>
 </tile>
 <tile id="23">
  <image width="112" height="112" source="18_Hero/Kibbet_Roll_0.png"/>
 </tile>
 <tile id="24">
  <image width="112" height="112" source="18_Hero/Kibbet_Roll_1.png"/>
 </tile>
 <tile id="25">
  <image width="112" height="112" source="18_Hero/Kibbet_Roll_2.png"/>
 </tile>
 <tile id="26">
  <image width="112" height="112" source="18_Hero/Kibbet_Roll_3.png"/>
 </tile>
 <tile id="27">
  <image width="112" height="112" source="18_Hero/Kibbet_Roll_4.png"/>
 </tile>
 <tile id="28">
  <image width="112" height="112" source="18_Hero/Kibbet_Roll_5.png"/>
 </tile>
 <tile id="29">
  <image width="112" height="112" source="18_Hero/Kibbet_Roll_6.png"/>
 </tile>
 <tile id="30">
  <image width="112" height="112" source="18_Hero/Kibbet_Roll_7.png"/>
 </tile>
 <tile id="31">
  <image width="112" height="112" source="18_Hero/Kibbet_Run_0.png"/>
 </tile>
 <tile id="32">
  <image width="112" height="112" source="18_Hero/Kibbet_Run_1.png"/>
 </tile>
 <tile id="33">
  <image width="112" height="112" source="18_Hero/Kibbet_Run_2.png"/>
 </tile>
 <tile id="34">
  <image width="112" height="112" source="18_Hero/Kibbet_Run_3.png"/>
 </tile>
 <tile id="35">
  <image width="112" height="112" source="18_Hero/Kibbet_Run_4.png"/>
 </tile>
 <tile id="36">
  <image width="112" height="112" source="18_Hero/Kibbet_Run_5.png"/>
 </tile>
</tileset>
