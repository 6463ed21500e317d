<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="17_Boss" tilewidth="640" tileheight="640" tilecount="74" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="74"/>
 </properties>
 <tile id="0">
  <image width="256" height="256" source="17_Boss/Bear.png"/>
 </tile>
 <tile id="1">
  <image width="256" height="256" source="17_Boss/Bear_Attack_0.png"/>
 </tile>
 <tile id="2">
  <image width="256" height="256" source="17_Boss/Bear_Attack_1.png"/>
 </tile>
 <tile id="3">
  <image width="256" height="256" source="17_Boss/Bear_Attack_2.png"/>
 </tile>
 <tile id="4">
  <image width="256" height="256" source="17_Boss/Bear_BeginAttack_0.png"/>
 </tile>
 <tile id="5">
  <image width="256" height="256" source="17_Boss/Bear_BeginAttack_1.png"/>
 </tile>
 <tile id="6">
  <image width="256" height="256" source="17_Boss/Bear_DamageIdle_0.png"/>
 </tile>
 <tile id="7">
  <image width="256" height="256" source="17_Boss/Bear_DamageIdle_1.png"/>
 </tile>
 <tile id="8">
  <image width="256" height="256" source="17_Boss/Bear_DamageRun_0.png"/>
 </tile>
 <tile id="9">
  <image width="256" height="256" source="17_Boss/Bear_DamageRun_1.png"/>
 </tile>
 <tile id="10">
  <image width="256" height="256" source="17_Boss/Bear_DamageRun_2.png"/>
 </tile>
 <tile id="11">
  <image width="256" height="256" source="17_Boss/Bear_DamageRun_3.png"/>
 </tile>
 <tile id="12">
  <image width="256" height="256" source="17_Boss/Bear_Damage_0.png"/>
 </tile>
 <tile id="13">
  <image width="256" height="256" source="17_Boss/Bear_Damage_1.png"/>
 </tile>
 <tile id="14">
  <image width="256" height="256" source="17_Boss/Bear_Damage_2.png"/>
 </tile>
 <tile id="15">
  <image width="256" height="256" source="17_Boss/Bear_Dance_0.png"/>
 </tile>
 <tile id="16">
  <image width="256" height="256" source="17_Boss/Bear_Dance_1.png"/>
 </tile>
 <tile id="17">
  <image width="256" height="256" source="17_Boss/Bear_Dance_2.png"/>
 </tile>
 <tile id="18">
  <image width="256" height="256" source="17_Boss/Bear_Dance_3.png"/>
 </tile>
 <tile id="19">
  <image width="256" height="256" source="17_Boss/Bear_DeathInit_0.png"/>
 </tile>
 <tile id="20">
  <image width="256" height="256" source="17_Boss/Bear_DeathInit_1.png"/>
 </tile>
 <tile id="21">
  <image width="256" height="256" source="17_Boss/Bear_DeathInit_2.png"/>
 </tile>
 <tile id="22">
  <image width="256" height="256" source="17_Boss/Bear_DeathSpin_0.png"/>
 </tile>
 <tile id="23">
  <image width="256" height="256" source="17_Boss/Bear_DeathSpin_1.png"/>
 </tile>
 <tile id="24">
  <image width="256" height="256" source="17_Boss/Bear_DeathSpin_2.png"/>
 </tile>
 <tile id="25">
  <image width="256" height="256" source="17_Boss/Bear_DeathSpin_3.png"/>
 </tile>
 <tile id="26">
  <image width="256" height="256" source="17_Boss/Bear_EndAttack_0.png"/>
 </tile>
 <tile id="27">
  <image width="256" height="256" source="17_Boss/Bear_EndAttack_1.png"/>
 </tile>
 <tile id="28">
  <image width="256" height="256" source="17_Boss/Bear_Idle_0.png"/>
 </tile>
 <tile id="29">
  <image width="256" height="256" source="17_Boss/Bear_Idle_1.png"/>
 </tile>
 <tile id="30">
  <image width="256" height="256" source="17_Boss/Bear_Idle_2.png"/>
 </tile>
 <tile id="31">
  <image width="256" height="256" source="17_Boss/Bear_Roar_0.png"/>
 </tile>
 <tile id="32">
  <image width="256" height="256" source="17_Boss/Bear_Roar_1.png"/>
 </tile>
 <tile id="33">
  <image width="256" height="256" source="17_Boss/Bear_Walk_0.png"/>
 </tile>
 <tile id="34">
  <image width="256" height="256" source="17_Boss/Bear_Walk_1.png"/>
 </tile>
 <tile id="35">
  <image width="256" height="256" source="17_Boss/Bear_Walk_2.png"/>
 </tile>
 <tile id="36">
  <image width="256" height="256" source="17_Boss/Bear_Walk_3.png"/>
 </tile>
 <tile id="37">
  <image width="640" height="640" source="17_Boss/Cub.png"/>
 </tile>
 <tile id="38">
  <image width="640" height="640" source="17_Boss/Cub_Attack_0.png"/>
 </tile>
 <tile id="39">
  <image width="640" height="640" source="17_Boss/Cub_Attack_1.png"/>
 </tile>
 <tile id="40">
  <image width="640" height="640" source="17_Boss/Cub_Attack_2.png"/>
 </tile>
 <tile id="41">
  <image width="640" height="640" source="17_Boss/Cub_BeginAttack_0.png"/>
 </tile>
 <tile id="42">
  <image width="640" height="640" source="17_Boss/Cub_BeginAttack_1.png"/>
 </tile>
 <tile id="43">
  <image width="640" height="640" source="17_Boss/Cub_DamageIdle_0.png"/>
 </tile>
 <tile id="44">
  <image width="640" height="640" source="17_Boss/Cub_DamageIdle_1.png"/>
 </tile>
 <tile id="45">
  <image width="640" height="640" source="17_Boss/Cub_DamageRun_0.png"/>
 </tile>
 <tile id="46">
  <image width="640" height="640" source="17_Boss/Cub_DamageRun_1.png"/>
 </tile>
 <tile id="47">
  <image width="640" height="640" source="17_Boss/Cub_DamageRun_2.png"/>
 </tile>
 <tile id="48">
  <image width="640" height="640" source="17_Boss/Cub_DamageRun_3.png"/>
 </tile>
 <tile id="49">
  <image width="640" height="640" source="17_Boss/Cub_Damage_0.png"/>
 </tile>
 <tile id="50">
  <image width="640" height="640" source="17_Boss/Cub_Damage_1.png"/>
 </tile>
 <tile id="51">
  <image width="640" height="640" source="17_Boss/Cub_Damage_2.png"/>
 </tile>
 <tile id="52">
  <image width="640" height="640" source="17_Boss/Cub_Dance_0.png"/>
 </tile>
 <tile id="53">
  <image width="640" height="640" source="17_Boss/Cub_Dance_1.png"/>
 </tile>
 <tile id="54">
  <image width="640" height="640" source="17_Boss/Cub_Dance_2.png"/>
 </tile>
 <tile id="55">
  <image width="640" height="640" source="17_Boss/Cub_Dance_3.png"/>
 </tile>
 <tile id="56">
  <image width="640" height="640" source="17_Boss/Cub_DeathInit_0.png"/>
 </tile>
 <tile id="57">
  <image width="640" height="640" source="17_Boss/Cub_DeathInit_1.png"/>
 </tile>
 <tile id="58">
  <image width="640" height="640" source="17_Boss/Cub_DeathInit_2.png"/>
 </tile>
 <tile id="59">
  <image width="640" height="640" source="17_Boss/Cub_DeathSpin_0.png"/>
 </tile>
 <tile id="60">
  <image width="640" height="640" source="17_Boss/Cub_DeathSpin_1.png"/>
 </tile>
 <tile id="61">
  <image width="640" height="640" source="17_Boss/Cub_DeathSpin_2.png"/>
 </tile>
 <tile id="62">
  <image width="640" height="640" source="17_Boss/Cub_DeathSpin_3.png"/>
 </tile>
 <tile id="63">
  <image width="640" height="640" source="17_Boss/Cub_EndAttack_0.png"/>
 </tile>
 <tile id="64">
  <image width="640" height="640" source="17_Boss/Cub_EndAttack_1.png"/>
 </tile>
 <tile id="65">
  <image width="640" height="640" source="17_Boss/Cub_Idle_0.png"/>
 </tile>
 <tile id="66">
  <image width="640" height="640" source="17_Boss/Cub_Idle_1.png"/>
 </tile>
 <tile id="67">
  <image width="640" height="640" source="17_Boss/Cub_Idle_2.png"/>
 </tile>
 <tile id="68">
  <image width="640" height="640" source="17_Boss/Cub_Roar_0.png"/>
 </tile>
 <tile id="69">
  <image width="640" height="640" source="17_Boss/Cub_Roar_1.png"/>
 </tile>
 <tile id="70">
  <image width="640" height="640" source="17_Boss/Cub_Walk_0.png"/>
 </tile>
 <tile id="71">
  <image width="640" height="640" source="17_Boss/Cub_Walk_1.png"/>
 </tile>
 <tile id="72">
  <image width="640" height="640" source="17_Boss/Cub_Walk_2.png"/>
 </tile>
 <tile id="73">
  <image width="640" height="640" source="17_Boss/Cub_Walk_3.png"/>
 </tile>
</tileset>
